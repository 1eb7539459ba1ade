kovara_test(test_codes
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CnpTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EditRulesTest.cpp
  LIBS kovara_codes)
