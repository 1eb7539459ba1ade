# The report-menu commands of the dispositions and the semester statistics.
target_sources(kovara_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DispositionMenus.cpp)
