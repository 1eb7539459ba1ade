# The dBase engine: tables, their layout, journal, repair and rebuilds.
add_library(kovara_dbf STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Dbf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfRebuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfRepair.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfJournal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfValue.cpp)
target_link_libraries(kovara_dbf PUBLIC kovara_base)

# The SQL engine over the dBase files: SQLite with the "dbf" virtual table,
# statements, queries.
add_library(kovara_sql STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DbfCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtab.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabOrder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfIndexCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfVtabWrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlColumns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Query.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryNavigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryStore.cpp)
target_link_libraries(kovara_sql PUBLIC kovara_dbf SQLite::SQLite3 PRIVATE ZLIB::ZLIB)
target_link_libraries(kovara_core INTERFACE kovara_dbf kovara_sql)
