# The request row, its statements and the checks of the request editor.
add_library(kovara_requests STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RequestRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestLookup.cpp)
target_link_libraries(kovara_requests PUBLIC kovara_base kovara_codes kovara_sql kovara_requesttable kovara_settings
  kovara_shell)

# The request list's data and the numbering of dispositions.
add_library(kovara_requestlist STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RequestList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Numbering.cpp)
target_link_libraries(kovara_requestlist PUBLIC kovara_requests)
target_link_libraries(kovara_core INTERFACE kovara_requests kovara_requestlist)
