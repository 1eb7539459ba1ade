add_library(kovara_paths STATIC ${CMAKE_CURRENT_LIST_DIR}/Paths.cpp)
target_link_libraries(kovara_paths PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_paths)
