# The administration window and the administrator login.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AdminWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswordDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdminWiring.cpp)
