if(benchmark_FOUND)
  add_executable(bench_documents ${CMAKE_CURRENT_LIST_DIR}/DocumentsBench.cpp)
  target_link_libraries(bench_documents PRIVATE kovara_documents benchmark::benchmark)
endif()
