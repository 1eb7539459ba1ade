# The report engine's preview window (printing, saving as PDF).
add_library(kovara_report_ui STATIC ${CMAKE_CURRENT_LIST_DIR}/ReportPreview.cpp)
target_link_libraries(kovara_report_ui PUBLIC kovara_report Qt6::Widgets Qt6::PrintSupport)
target_link_libraries(kovara_ui INTERFACE kovara_report_ui)
