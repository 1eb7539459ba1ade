list(APPEND KOVARA_CLI_SOURCES cli/ArchiveCommands.cpp)
