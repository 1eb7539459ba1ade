# The encoding of the administrator password.
add_library(kovara_password STATIC ${CMAKE_CURRENT_LIST_DIR}/Password.cpp)
target_link_libraries(kovara_password PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_password)
