kovara_test(test_settings
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/IniFileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
  LIBS kovara_settings)
