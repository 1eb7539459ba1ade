kovara_test(test_archive
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArchiveWriteTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ArchiveRestoreTest.cpp
  LIBS kovara_archive ZLIB::ZLIB)
