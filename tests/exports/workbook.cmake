kovara_test(test_workbook
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BiffWorkbookTest.cpp
  LIBS kovara_workbook)
