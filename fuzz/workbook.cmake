# The workbook engine, fed arbitrary bytes as an .xls file or a Workbook stream.
kovara_fuzz_target(workbook_read_fuzz ${CMAKE_CURRENT_LIST_DIR}/workbook_read_fuzz.cpp kovara_workbook)
target_link_libraries(workbook_read_fuzz PRIVATE PkgConfig::GSF)
