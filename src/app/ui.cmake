target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSeam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Choosers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressCounter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UiHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorDisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Composition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources.qrc)
target_link_libraries(kovara_ui PUBLIC kovara_shell kovara_instance kovara_startup)
