# The request editor.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RequestEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestEditorUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestsWiring.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_requests)
