find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_shell_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormatsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/StartupWorkTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PathsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SingleInstanceTest.cpp
  LIBS kovara_shell kovara_instance kovara_startup Qt6::Test)
kovara_test(test_shell_ui UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MesajTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/KeyboardTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/UiHelpersTest.cpp
  LIBS kovara_shell_ui Qt6::Test)
kovara_test(test_shell_translation UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TranslationTest.cpp
  LIBS kovara_shell_ui Qt6::Test)
kovara_test(test_main_window UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
  LIBS kovara_app Qt6::Test)
kovara_test(test_startup_window UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupWindowTest.cpp
  LIBS kovara_app Qt6::Test)
kovara_test(test_kovara_program SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgramTest.cpp)
add_dependencies(test_kovara_program kovara)

# Not a test: the tool that takes the pictures of docs/screenshots
# (scripts/screenshots.sh).
if(KOVARA_BUILD_TOOLS)
  add_executable(kovara-screens ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTool.cpp)
  target_link_libraries(kovara-screens PRIVATE kovara_ui)
endif()

add_executable(test_app_notify ${CMAKE_CURRENT_LIST_DIR}/AppNotifyTest.cpp)
target_link_libraries(test_app_notify PRIVATE kovara_test_support kovara_shell_ui)
add_test(NAME test_app_notify COMMAND test_app_notify)
set_tests_properties(test_app_notify PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)
