# The templates carried by the program, the request form, the dispositions
# and the semester statistics (written through the RTF template engine).
add_library(kovara_documents STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Models.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemplateCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemplateCommands.cpp)
target_link_libraries(kovara_documents PUBLIC kovara_rtf kovara_shell kovara_requesttable kovara_settings
  kovara_requestlist)
# The models travel inside the program.
qt_add_resources(kovara_documents documents_models
  PREFIX /models
  BASE ${CMAKE_CURRENT_LIST_DIR}/models
  FILES ${CMAKE_CURRENT_LIST_DIR}/models/Cerere.rtf
        ${CMAKE_CURRENT_LIST_DIR}/models/Disp3.rtf
        ${CMAKE_CURRENT_LIST_DIR}/models/Disp4.rtf
        ${CMAKE_CURRENT_LIST_DIR}/models/Anx3.rtf)

add_library(kovara_dispositions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Dispositions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SemesterStatistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DispositionDocuments.cpp)
target_link_libraries(kovara_dispositions PUBLIC kovara_documents)
target_link_libraries(kovara_core INTERFACE kovara_documents kovara_dispositions)
