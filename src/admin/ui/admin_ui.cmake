# The administration window, the administrator login and the backup window.
add_library(kovara_admin_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AdminWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswordDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BackupWindow.cpp)
target_link_libraries(kovara_admin_ui PUBLIC kovara_password kovara_archive kovara_settings kovara_requesttable
  kovara_shell_ui)
target_link_libraries(kovara_ui INTERFACE kovara_admin_ui)
