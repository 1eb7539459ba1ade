add_library(kovara_dbf STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Dbf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfRebuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfRepair.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfJournal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfValue.cpp)
target_link_libraries(kovara_dbf PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_dbf)
