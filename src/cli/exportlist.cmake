list(APPEND KOVARA_CLI_SOURCES cli/ExportListCommand.cpp)
