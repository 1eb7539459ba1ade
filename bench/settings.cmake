if(benchmark_FOUND)
  add_executable(bench_settings ${CMAKE_CURRENT_LIST_DIR}/SettingsBench.cpp)
  target_link_libraries(bench_settings PRIVATE kovara_settings benchmark::benchmark)
endif()
