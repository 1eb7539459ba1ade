list(APPEND KOVARA_CLI_SOURCES cli/DocumentCommands.cpp)
