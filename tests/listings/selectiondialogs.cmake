find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_selection_dialogs UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionDialogsTest.cpp
  LIBS kovara_shell_ui Qt6::Test)
