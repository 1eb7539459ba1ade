list(APPEND KOVARA_CLI_SOURCES cli/ExportCommands.cpp)
