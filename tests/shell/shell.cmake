kovara_test(test_shell_numbered_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/NumberedFileTest.cpp LIBS kovara_shell)
