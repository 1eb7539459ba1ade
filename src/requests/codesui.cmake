# The entry fields over the key rules of kovara_codes.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FieldState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNPEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumericEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskedNumberEdit.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_codes)
