kovara_test(test_helpers SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextHelpersTest.cpp LIBS kovara_shell)
