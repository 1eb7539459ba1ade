# Values, formats and rules of the application shell that need no window.
add_library(kovara_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MesajRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupWork.cpp)
target_link_libraries(kovara_shell PUBLIC kovara_base kovara_paths)
target_link_libraries(kovara_core INTERFACE kovara_shell)

# One running copy per user.
find_package(Qt6 REQUIRED COMPONENTS Network)
add_library(kovara_instance STATIC ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp)
target_link_libraries(kovara_instance PUBLIC kovara_base Qt6::Network)

# The real startup operations, from the data store modules (linked as they
# appear in the build).
add_library(kovara_startup STATIC ${CMAKE_CURRENT_LIST_DIR}/StartupDefaults.cpp)
target_link_libraries(kovara_startup PUBLIC kovara_shell kovara_documents
  $<TARGET_NAME_IF_EXISTS:kovara_sql> $<TARGET_NAME_IF_EXISTS:kovara_settings>)
