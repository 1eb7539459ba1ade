# The report engine: layouts as data, the paginator, the renderers.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_library(kovara_report STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ReportLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Paginator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportRender.cpp)
target_link_libraries(kovara_report PUBLIC kovara_base Qt6::Gui)
target_link_libraries(kovara_core INTERFACE kovara_report)

# The listings: their layouts, queries and work tables.
add_library(kovara_listings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PayrollLayouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CentralizerLayouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Listings.cpp)
target_link_libraries(kovara_listings PUBLIC kovara_report kovara_sql kovara_settings kovara_paths kovara_shell
  kovara_helpers)
target_link_libraries(kovara_core INTERFACE kovara_listings)
