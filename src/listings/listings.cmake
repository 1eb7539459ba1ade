# The listings: their layouts, queries and work tables.
add_library(kovara_listings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PayrollLayouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CentralizerLayouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SharedRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Listings.cpp)
target_link_libraries(kovara_listings PUBLIC kovara_report kovara_sql kovara_requesttable kovara_settings kovara_paths
  kovara_shell)
target_link_libraries(kovara_core INTERFACE kovara_listings)
