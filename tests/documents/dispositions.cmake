kovara_test(test_dispositions
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DispositionValuesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SemesterStatisticsTest.cpp
  LIBS kovara_dispositions)
