if(benchmark_FOUND)
  add_executable(bench_requestlist ${CMAKE_CURRENT_LIST_DIR}/RequestListBench.cpp)
  target_link_libraries(bench_requestlist PRIVATE kovara_bench_cereri kovara_requestlist benchmark::benchmark)
endif()
