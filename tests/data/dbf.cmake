kovara_test(test_dbf
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DbfTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfValueTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfDamageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfRebuildTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfCrashTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfJournalTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbfPythonTest.cpp
  LIBS kovara_dbf)
