kovara_test(test_dispositions
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DispositionValuesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SemesterStatisticsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DispositionDocumentsTest.cpp
  LIBS kovara_dispositions)
kovara_test(test_dispositions_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/DispositionCliTest.cpp LIBS kovara_dispositions)
add_dependencies(test_dispositions_cli kovara-cli)
kovara_test(test_template_structure_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/TemplateStructureCliTest.cpp
  LIBS kovara_dispositions)
add_dependencies(test_template_structure_cli kovara-cli)
find_package(Qt6 REQUIRED COMPONENTS Test)
kovara_test(test_dispositions_menu UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/DispositionMenuTest.cpp LIBS kovara_app Qt6::Test)
