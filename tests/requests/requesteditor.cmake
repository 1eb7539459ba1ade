find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_requesteditor UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestEditorTest.cpp
  LIBS kovara_requests_ui Qt6::Test)
