# The workbook writer and the files handed to the finance office, the
# treasury and the ministry.
add_library(kovara_exports STATIC
  ${CMAKE_CURRENT_LIST_DIR}/NativeXlsWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportCommon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FinanceFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreasuryFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Annex2Workbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CentralizerWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MinistryWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreasuryAnnex3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportListings.cpp)
target_link_libraries(kovara_exports PUBLIC kovara_base kovara_shell kovara_sql kovara_settings kovara_helpers kovara_paths
  kovara_documents kovara_listings)
target_link_libraries(kovara_core INTERFACE kovara_exports)
# The treasury dialog and the report menu's commands.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TreasuryDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportCommands.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_exports)
