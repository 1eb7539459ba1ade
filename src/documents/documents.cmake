# The RTF template engine, the templates carried by the program and the
# documents made from them.
add_library(kovara_documents STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RtfReplace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenDocument.cpp)
target_link_libraries(kovara_documents PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_documents)
