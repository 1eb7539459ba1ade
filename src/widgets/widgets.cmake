target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GradientPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Balloon.cpp)
