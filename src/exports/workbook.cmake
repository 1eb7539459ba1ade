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

# The request list export ("Exporta tabelul", kovara-cli export lista) and the
# template workbook it carries.
add_library(kovara_listexport STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RequestListExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listmodel.qrc)
target_link_libraries(kovara_listexport PUBLIC kovara_base kovara_workbook kovara_sql kovara_paths kovara_helpers)
target_link_libraries(kovara_core INTERFACE kovara_listexport)
