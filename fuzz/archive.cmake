# The archive reader, fed arbitrary bytes (restores into a scratch folder).
kovara_fuzz_target(archive_read_fuzz ${CMAKE_CURRENT_LIST_DIR}/archive_read_fuzz.cpp kovara_archive)
