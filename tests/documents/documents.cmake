kovara_test(test_documents_engine
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RtfReplaceTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RtfEngineLimitsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RtfStructureTest.cpp
  LIBS kovara_documents)
kovara_test(test_documents_models SOURCES ${CMAKE_CURRENT_LIST_DIR}/ModelsTest.cpp LIBS kovara_documents)
kovara_test(test_documents_request_form SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestFormTest.cpp LIBS kovara_documents)
add_dependencies(test_documents_request_form kovara-cli)
kovara_test(test_documents_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TemplateCommandsTest.cpp LIBS kovara_documents)
find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_documents_ui UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/DocumentMenusTest.cpp LIBS kovara_app Qt6::Test)
