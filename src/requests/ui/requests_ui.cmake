# The request list window, the request editor and the numbering dialog.
add_library(kovara_requests_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CereriModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestListWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestListWindowUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberingDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestEditorUi.cpp)
target_link_libraries(kovara_requests_ui PUBLIC kovara_requestlist kovara_shell_ui)
target_link_libraries(kovara_ui INTERFACE kovara_requests_ui)
