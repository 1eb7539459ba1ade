kovara_test(test_win1250 SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win1250Test.cpp)
kovara_test(test_platform SOURCES ${CMAKE_CURRENT_LIST_DIR}/PlatformTest.cpp)
