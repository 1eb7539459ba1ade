# Crash safety: operations killed half-way (at random moments, and at fixed
# crash points), damaged tables left untouched.
kovara_test(test_kill
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KillTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CrashPointTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RaceTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DbfTestSupport.cpp
  LIBS kovara_sql kovara_requestlist kovara_archive ZLIB::ZLIB)
set_tests_properties(test_kill PROPERTIES TIMEOUT 600)
kovara_test(test_damaged_tables
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DamagedTableTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DbfTestSupport.cpp
  LIBS kovara_sql kovara_startup)
add_dependencies(test_damaged_tables kovara-cli)
