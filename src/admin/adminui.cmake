# The administration window and the administrator login.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Unit4.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit5.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdminWiring.cpp)
