# The native XLS writer: a workbook written record by record.
add_library(kovara_xls STATIC ${CMAKE_CURRENT_LIST_DIR}/NativeXlsWriter.cpp)
target_link_libraries(kovara_xls PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_xls)
