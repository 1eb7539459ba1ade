if(benchmark_FOUND)
  # The synthetic request table, for any benchmark that needs one.
  add_library(kovara_bench_cereri STATIC ${CMAKE_CURRENT_LIST_DIR}/SyntheticCereri.cpp)
  target_include_directories(kovara_bench_cereri PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(kovara_bench_cereri PUBLIC kovara_sql kovara_requesttable)

  add_executable(bench_sql ${CMAKE_CURRENT_LIST_DIR}/SqlBench.cpp)
  target_link_libraries(bench_sql PRIVATE kovara_bench_cereri benchmark::benchmark)

  add_executable(bench_sql_memory ${CMAKE_CURRENT_LIST_DIR}/SqlBenchMemory.cpp)
  target_link_libraries(bench_sql_memory PRIVATE kovara_bench_cereri)
endif()
