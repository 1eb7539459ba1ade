kovara_test(test_requestlist
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestListTest.cpp ${CMAKE_CURRENT_LIST_DIR}/NumberingTest.cpp
  LIBS kovara_requestlist)
