# The shell's shared windows and services: the message dialog, the progress
# counter, the keyboard rules, the choosers, the error display, the
# selection dialogs (period, disposition range, month, semester), the
# preview of listings, and the program's pictures.
add_library(kovara_shell_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSeam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Choosers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressCounter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UiHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorDisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelectionDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PeriodDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DispositionRangeDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SemesterDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources.qrc)
target_link_libraries(kovara_shell_ui PUBLIC kovara_shell kovara_settings kovara_widgets kovara_report_ui
  Qt6::Widgets Qt6::PrintSupport)
target_link_libraries(kovara_ui INTERFACE kovara_shell_ui)

# The Romanian texts of Qt's own dialogs (file and folder choosers, the
# print dialog and preview, the buttons of message boxes, an edit field's
# menu, Qt's error texts): Qt ships no Romanian translation, so the program
# keeps its own, compiled by lrelease and carried in the library.
find_program(KOVARA_LRELEASE NAMES lrelease lrelease-qt6
  HINTS /usr/lib/qt6/bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}" "${QT6_INSTALL_PREFIX}/bin" REQUIRED)
set(_kovara_ts ${CMAKE_CURRENT_LIST_DIR}/translations/kovara_qt_ro.ts)
set(_kovara_qm ${CMAKE_CURRENT_BINARY_DIR}/kovara_qt_ro.qm)
set(_kovara_qm_cpp ${CMAKE_CURRENT_BINARY_DIR}/kovara_qt_ro_qm.cpp)
add_custom_command(OUTPUT ${_kovara_qm_cpp}
  COMMAND ${KOVARA_LRELEASE} -silent ${_kovara_ts} -qm ${_kovara_qm}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${_kovara_qm} -DOUTPUT=${_kovara_qm_cpp} -DNAME=kovaraQtRomanian
          -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
  DEPENDS ${_kovara_ts} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
  COMMENT "Romanian texts of Qt's dialogs")
target_sources(kovara_shell_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Translation.cpp ${_kovara_qm_cpp})
