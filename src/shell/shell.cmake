# Identity codes (CNP, fiscal code) and the key rules of the entry fields.
add_library(kovara_codes STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CNP.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditRules.cpp)
target_link_libraries(kovara_codes PUBLIC kovara_base)

# The shared rules of the office that need no window: formats and titles,
# the access state, message rules, texts of dates and codes, numbered output
# files, work tables, the checks of the selection dialogs, opening a file
# with the desktop's application.
add_library(kovara_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccessState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MesajRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberedFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelectionChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenDocument.cpp)
target_link_libraries(kovara_shell PUBLIC kovara_base kovara_paths kovara_codes kovara_sql Qt6::Gui)
target_link_libraries(kovara_core INTERFACE kovara_codes kovara_shell)
