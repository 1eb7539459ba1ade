# The RTF template engine: placeholders filled, line and whole-file modes;
# placeholders broken by a word processor found; the structure of a template
# (RTF, groups closed where they should be, a body) checked.
add_library(kovara_rtf STATIC ${CMAKE_CURRENT_LIST_DIR}/RtfReplace.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/RtfWholeFile.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/RtfSlots.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/RtfStructure.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/RtfPlaceholders.cpp)
target_link_libraries(kovara_rtf PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_rtf)
