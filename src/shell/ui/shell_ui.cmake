# The shell's shared windows and services: the message dialog, the progress
# counter, the keyboard rules, the choosers, the error display, the
# selection dialogs (period, disposition range, month, semester), the
# preview of listings, and the program's pictures.
add_library(kovara_shell_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSeam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Choosers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressCounter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UiHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorDisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelectionDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PeriodDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DispositionRangeDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SemesterDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources.qrc)
target_link_libraries(kovara_shell_ui PUBLIC kovara_shell kovara_settings kovara_widgets kovara_report_ui
  Qt6::Widgets Qt6::PrintSupport)
target_link_libraries(kovara_ui INTERFACE kovara_shell_ui)
