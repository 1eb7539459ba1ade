kovara_test(test_sql_engine SOURCES ${CMAKE_CURRENT_LIST_DIR}/SqlEngineTest.cpp LIBS kovara_sql)
kovara_test(test_sql_query SOURCES ${CMAKE_CURRENT_LIST_DIR}/SqlQueryTest.cpp LIBS kovara_sql)
kovara_test(test_sql_request_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/SqlRequestTableTest.cpp LIBS kovara_sql)
