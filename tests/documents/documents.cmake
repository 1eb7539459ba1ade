kovara_test(test_documents_engine SOURCES ${CMAKE_CURRENT_LIST_DIR}/RtfReplaceTest.cpp LIBS kovara_documents)
kovara_test(test_documents_models SOURCES ${CMAKE_CURRENT_LIST_DIR}/ModelsTest.cpp LIBS kovara_documents)
kovara_test(test_documents_request_form SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestFormTest.cpp LIBS kovara_documents)
add_dependencies(test_documents_request_form kovara-cli)
