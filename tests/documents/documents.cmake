kovara_test(test_documents_engine SOURCES ${CMAKE_CURRENT_LIST_DIR}/RtfReplaceTest.cpp LIBS kovara_documents)
