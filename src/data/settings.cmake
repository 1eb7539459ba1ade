add_library(kovara_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Constants.cpp)
target_link_libraries(kovara_settings PUBLIC kovara_base kovara_paths)
target_link_libraries(kovara_core INTERFACE kovara_settings)
