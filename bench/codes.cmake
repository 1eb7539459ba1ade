if(benchmark_FOUND)
  add_executable(bench_codes ${CMAKE_CURRENT_LIST_DIR}/CodesBench.cpp)
  target_link_libraries(bench_codes PRIVATE kovara_codes kovara_password benchmark::benchmark)
endif()
