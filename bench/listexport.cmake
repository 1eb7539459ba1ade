if(benchmark_FOUND)
  add_executable(bench_listexport ${CMAKE_CURRENT_LIST_DIR}/ListExportBench.cpp)
  target_link_libraries(bench_listexport PRIVATE kovara_bench_cereri kovara_listexport kovara_requestlist)
endif()
