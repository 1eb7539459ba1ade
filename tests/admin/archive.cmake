kovara_test(test_archive
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArchiveWriteTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ArchiveRestoreTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParallelDeflateTest.cpp
  LIBS kovara_archive ZLIB::ZLIB)

# Runs the built kovara-cli.
kovara_test(test_archive_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArchiveCliTest.cpp)
add_dependencies(test_archive_cli kovara-cli)
