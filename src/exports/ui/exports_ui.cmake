# The treasury dialog and the report menu's commands of the exports.
add_library(kovara_exports_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TreasuryDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportCommands.cpp)
target_link_libraries(kovara_exports_ui PUBLIC kovara_exports kovara_shell_ui)
target_link_libraries(kovara_ui INTERFACE kovara_exports_ui)
