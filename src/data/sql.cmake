add_library(kovara_sql STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DbfCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtab.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabOrder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabWrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlColumns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Query.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryNavigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestTable.cpp)
target_link_libraries(kovara_sql PUBLIC kovara_base kovara_dbf kovara_settings kovara_paths SQLite::SQLite3)
target_link_libraries(kovara_core INTERFACE kovara_sql)
