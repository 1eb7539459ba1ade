# Kovara.ini, the registry values and the municipality's constants.
add_library(kovara_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Constants.cpp)
target_link_libraries(kovara_settings PUBLIC kovara_base kovara_paths)

# The request table Cereri.dbf of the data folder, its indexes and counters,
# and the kinds of request (the TIP codes).
add_library(kovara_requesttable STATIC ${CMAKE_CURRENT_LIST_DIR}/RequestTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestKinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Workspace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableBackup.cpp)
target_link_libraries(kovara_requesttable PUBLIC kovara_sql kovara_settings kovara_paths)
target_link_libraries(kovara_core INTERFACE kovara_settings kovara_requesttable)
