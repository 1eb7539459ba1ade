if(benchmark_FOUND)
  add_executable(bench_requestsave ${CMAKE_CURRENT_LIST_DIR}/RequestSaveBench.cpp)
  target_link_libraries(bench_requestsave PRIVATE kovara_bench_cereri kovara_requests benchmark::benchmark)
endif()
