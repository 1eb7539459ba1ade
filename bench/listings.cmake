# The report engine on a large payroll (a plain program: it prints figures).
if(benchmark_FOUND)
  add_executable(bench_listings ${CMAKE_CURRENT_LIST_DIR}/ListingBench.cpp)
  target_link_libraries(bench_listings PRIVATE kovara_bench_cereri kovara_ui)
endif()
