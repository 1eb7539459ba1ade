find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_requesteditor UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestEditorTest.cpp
  LIBS Qt6::Test)
