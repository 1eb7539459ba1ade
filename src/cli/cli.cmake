# kovara-cli, the companion for the office's IT person.
add_executable(kovara-cli
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArchiveCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DispositionCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DocumentCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportListCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlFormatGuard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CnpCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataFolder.cpp)
target_link_libraries(kovara-cli PRIVATE kovara_startup kovara_dispositions kovara_exports kovara_listexport
  kovara_listings kovara_archive kovara_requestlist)
