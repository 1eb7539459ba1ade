find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_admin_ui UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AdminWindowTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/AdminSaveTest.cpp
  LIBS kovara_app Qt6::Test)
