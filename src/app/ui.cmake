target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSeam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopOpen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Choosers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorUnit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit7.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UiHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorDisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources.qrc)
target_link_libraries(kovara_ui PUBLIC kovara_shell kovara_instance kovara_startup)
