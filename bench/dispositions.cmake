if(benchmark_FOUND)
  add_executable(bench_dispositions ${CMAKE_CURRENT_LIST_DIR}/DispositionsBench.cpp)
  target_link_libraries(bench_dispositions PRIVATE kovara_dispositions benchmark::benchmark)
endif()
