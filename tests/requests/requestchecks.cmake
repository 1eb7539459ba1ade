kovara_test(test_requestchecks
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestChecksTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RequestStoreTest.cpp
  LIBS kovara_requests)
