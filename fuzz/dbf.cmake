# The table module, fed arbitrary bytes as a table file.
kovara_fuzz_target(dbf_open_fuzz ${CMAKE_CURRENT_LIST_DIR}/dbf_open_fuzz.cpp kovara_dbf)
# The settings-file reader and writer, fed arbitrary bytes as the file.
kovara_fuzz_target(settings_read_fuzz ${CMAKE_CURRENT_LIST_DIR}/settings_read_fuzz.cpp kovara_settings)
# The SQL engine's statements, reads and writes, over arbitrary bytes as a table.
kovara_fuzz_target(sql_table_fuzz ${CMAKE_CURRENT_LIST_DIR}/sql_table_fuzz.cpp kovara_dbf kovara_sql)
