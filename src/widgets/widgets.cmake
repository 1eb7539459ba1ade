# Shared visual controls: the balloon, the date field, the entry fields of
# codes and numbers, picture buttons, panels.
add_library(kovara_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GradientPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Balloon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressStrip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FieldState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNPEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumericEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskedNumberEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswordField.cpp)
target_link_libraries(kovara_widgets PUBLIC kovara_base kovara_codes kovara_shell Qt6::Widgets)
target_link_libraries(kovara_ui INTERFACE kovara_widgets)
