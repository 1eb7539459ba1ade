list(APPEND KOVARA_CLI_SOURCES cli/ListingCommands.cpp)
