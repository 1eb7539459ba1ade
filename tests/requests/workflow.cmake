find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_workflow UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WorkflowTest.cpp
  LIBS kovara_app Qt6::Test)
