kovara_test(test_xls_writer SOURCES ${CMAKE_CURRENT_LIST_DIR}/NativeXlsWriterTest.cpp LIBS kovara_exports)
kovara_test(test_report_files
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FinanceFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/TreasuryFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkbooksTest.cpp
  LIBS kovara_exports)
kovara_test(test_export_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/ExportCliTest.cpp LIBS kovara_exports kovara_test_pdfwords)
add_dependencies(test_export_cli kovara-cli kovara_install_files)
find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_report_commands UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReportCommandsTest.cpp LIBS kovara_app Qt6::Test)
