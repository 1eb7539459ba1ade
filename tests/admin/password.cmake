kovara_test(test_password
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PasswordTest.cpp
  LIBS kovara_password)
