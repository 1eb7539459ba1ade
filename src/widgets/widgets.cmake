target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GradientPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Balloon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressStrip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.cpp)
