find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_codes_ui UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FieldsTest.cpp
  LIBS kovara_widgets Qt6::Test)
