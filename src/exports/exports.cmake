# The files handed to the finance office, the treasury and the ministry.
add_library(kovara_exports STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ReportCommon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FinanceFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreasuryFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Annex2Workbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CentralizerWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MinistryWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreasuryAnnex3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportListings.cpp)
target_link_libraries(kovara_exports PUBLIC kovara_xls kovara_rtf kovara_shell kovara_requesttable kovara_settings
  kovara_documents kovara_listings)

# The request list export ("Exporta tabelul", kovara-cli export lista) and the
# template workbook it carries.
add_library(kovara_listexport STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RequestListExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listmodel.qrc)
target_link_libraries(kovara_listexport PUBLIC kovara_workbook kovara_sql kovara_paths kovara_shell)
target_link_libraries(kovara_core INTERFACE kovara_exports kovara_listexport)
