kovara_test(test_win1250 SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win1250Test.cpp LIBS kovara_base)
kovara_test(test_platform SOURCES ${CMAKE_CURRENT_LIST_DIR}/PlatformTest.cpp LIBS kovara_base)
kovara_test(test_save_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/SaveFileTest.cpp LIBS kovara_base)
