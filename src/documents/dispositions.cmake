# The dispositions and the semester statistics: their rows, values and
# messages (documents written through the template engine).
add_library(kovara_dispositions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Dispositions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SemesterStatistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DispositionDocuments.cpp)
target_link_libraries(kovara_dispositions PUBLIC kovara_base kovara_sql kovara_settings kovara_codes kovara_helpers
  kovara_paths kovara_documents)
target_link_libraries(kovara_core INTERFACE kovara_dispositions)
