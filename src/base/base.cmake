# The base every layer stands on: the program and data folders and the
# date text of the whole program. It knows no table, setting or window.
target_sources(kovara_base PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Dates.cpp)
add_library(kovara_paths STATIC ${CMAKE_CURRENT_LIST_DIR}/Paths.cpp)
target_link_libraries(kovara_paths PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_paths)
