# The dialogs that choose a period, a disposition range, a month or a
# semester before a listing, document or report.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SelectionDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PeriodDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DispositionRangeDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SemesterDialog.cpp)
