if(benchmark_FOUND)
  add_executable(bench_dispositions ${CMAKE_CURRENT_LIST_DIR}/DispositionsBench.cpp)
  target_link_libraries(bench_dispositions PRIVATE kovara_dispositions benchmark::benchmark)
  # The peer script beside the benchmark, run in the same run.
  target_compile_definitions(bench_dispositions PRIVATE KOVARA_BENCH_DIR="${CMAKE_CURRENT_LIST_DIR}")
endif()
