if(benchmark_FOUND)
  add_executable(bench_archive ${CMAKE_CURRENT_LIST_DIR}/ArchiveBench.cpp)
  target_link_libraries(bench_archive PRIVATE kovara_archive benchmark::benchmark)
endif()
