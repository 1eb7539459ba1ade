# The RTF template engine, the templates carried by the program and the
# documents made from them.
add_library(kovara_documents STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RtfReplace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Models.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemplateCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemplateCommands.cpp)
target_link_libraries(kovara_documents PUBLIC kovara_base kovara_paths kovara_sql kovara_settings kovara_helpers
  kovara_requestlist)
# The models travel inside the program; linked as an object library, so they
# are registered without an explicit initialisation call.
qt_add_resources(kovara_documents documents_models
  PREFIX /models
  BASE ${CMAKE_CURRENT_LIST_DIR}/models
  FILES ${CMAKE_CURRENT_LIST_DIR}/models/Cerere.rtf
        ${CMAKE_CURRENT_LIST_DIR}/models/Disp3.rtf
        ${CMAKE_CURRENT_LIST_DIR}/models/Disp4.rtf
        ${CMAKE_CURRENT_LIST_DIR}/models/Anx3.rtf)
target_link_libraries(kovara_core INTERFACE kovara_documents)
