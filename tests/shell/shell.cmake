kovara_test(test_shell_numbered_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/NumberedFileTest.cpp LIBS kovara_shell)
kovara_test(test_shell_work_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/WorkTableTest.cpp LIBS kovara_shell)
kovara_test(test_shell_selection_checks SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionChecksTest.cpp LIBS kovara_shell)
