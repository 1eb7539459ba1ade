kovara_test(test_workbook
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BiffWorkbookTest.cpp ${CMAKE_CURRENT_LIST_DIR}/BiffRowCopyTest.cpp ${CMAKE_CURRENT_LIST_DIR}/BiffDamageTest.cpp
  LIBS kovara_workbook)
kovara_test(test_listexport
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestListExportTest.cpp
  LIBS kovara_listexport kovara_requestlist)
kovara_test(test_listexport_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListExportCliTest.cpp LIBS kovara_requesttable)
add_dependencies(test_listexport_cli kovara-cli)
find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_listexport_ui UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestListWindowExportTest.cpp
  LIBS kovara_app Qt6::Test)
