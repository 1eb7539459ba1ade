# The request list's data and the numbering of dispositions.
add_library(kovara_requestlist STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RequestList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Numbering.cpp)
target_link_libraries(kovara_requestlist PUBLIC kovara_base kovara_sql kovara_paths kovara_shell kovara_helpers kovara_requests)
target_link_libraries(kovara_core INTERFACE kovara_requestlist)
