find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_requestlist_ui UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestListWindowTest.cpp
  LIBS kovara_requests_ui Qt6::Test)
