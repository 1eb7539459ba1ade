# The workbook engine: .xls (BIFF8) workbooks read, changed and saved.
add_library(kovara_workbook STATIC
  ${CMAKE_CURRENT_LIST_DIR}/BiffRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BiffSst.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BiffSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BiffWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BiffCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CompoundFile.cpp)
target_link_libraries(kovara_workbook PUBLIC kovara_base PRIVATE PkgConfig::GSF)
target_link_libraries(kovara_core INTERFACE kovara_workbook)
