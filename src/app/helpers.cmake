add_library(kovara_helpers STATIC ${CMAKE_CURRENT_LIST_DIR}/TextHelpers.cpp)
target_link_libraries(kovara_helpers PUBLIC kovara_base kovara_paths)
target_link_libraries(kovara_core INTERFACE kovara_helpers)
