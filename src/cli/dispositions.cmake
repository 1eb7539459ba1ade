list(APPEND KOVARA_CLI_SOURCES cli/DispositionCommands.cpp)
