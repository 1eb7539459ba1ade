list(APPEND KOVARA_CLI_SOURCES cli/SqlCommands.cpp)
list(APPEND KOVARA_CLI_SOURCES cli/CnpCheck.cpp)
