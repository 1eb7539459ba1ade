# Identity codes and the entry fields' key rules.
add_library(kovara_codes STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CNP.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditRules.cpp)
target_link_libraries(kovara_codes PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_codes)
