kovara_test(test_backup_ui UI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BackupWindowTest.cpp
  LIBS kovara_app)
