# The backup and restore window.
target_sources(kovara_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BackupWindow.cpp)
