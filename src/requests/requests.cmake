# The request row, its statements and the checks of the request editor.
add_library(kovara_requests STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RequestRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestLookup.cpp)
target_link_libraries(kovara_requests PUBLIC kovara_base kovara_codes kovara_sql kovara_settings kovara_helpers)
target_link_libraries(kovara_core INTERFACE kovara_requests)
