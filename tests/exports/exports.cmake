kovara_test(test_xls_writer SOURCES ${CMAKE_CURRENT_LIST_DIR}/NativeXlsWriterTest.cpp LIBS kovara_exports)
kovara_test(test_report_files
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FinanceFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/TreasuryFileTest.cpp
  LIBS kovara_exports)
