# The banded report engine: layouts as data, the paginator, the renderers.
add_library(kovara_report STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ReportLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Paginator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportRender.cpp)
target_link_libraries(kovara_report PUBLIC kovara_base Qt6::Gui)
target_link_libraries(kovara_core INTERFACE kovara_report)
