# The report-menu commands of the dispositions and the semester statistics,
# the "Formulare" menu and the templates' menu.
add_library(kovara_documents_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DispositionMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DocumentMenus.cpp)
target_link_libraries(kovara_documents_ui PUBLIC kovara_dispositions kovara_shell_ui)
target_link_libraries(kovara_ui INTERFACE kovara_documents_ui)
