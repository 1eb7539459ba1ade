list(APPEND KOVARA_CLI_SOURCES cli/SqlCommands.cpp)
