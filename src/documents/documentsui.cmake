# The menus of the templates and the blank forms.
target_sources(kovara_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DocumentMenus.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_documents)
