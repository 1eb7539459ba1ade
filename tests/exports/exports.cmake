kovara_test(test_xls_writer SOURCES ${CMAKE_CURRENT_LIST_DIR}/NativeXlsWriterTest.cpp LIBS kovara_exports)
