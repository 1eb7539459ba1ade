# The request list window and the numbering dialog.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CereriModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestListWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestListWindowUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberingDialog.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_requestlist)
