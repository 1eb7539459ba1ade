# The request editor.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CerereAddU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CerereAddUi.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_requests)
