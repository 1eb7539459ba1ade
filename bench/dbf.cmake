if(benchmark_FOUND)
  add_executable(bench_dbf ${CMAKE_CURRENT_LIST_DIR}/DbfBench.cpp)
  target_link_libraries(bench_dbf PRIVATE kovara_dbf benchmark::benchmark)
endif()
