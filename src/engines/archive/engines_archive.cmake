# The backup archive format: write, verify, restore a folder's files.
add_library(kovara_archive STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArchiveReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArchiveRestore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ParallelDeflate.cpp)
target_link_libraries(kovara_archive PUBLIC kovara_base ZLIB::ZLIB Threads::Threads)
target_link_libraries(kovara_core INTERFACE kovara_archive)
