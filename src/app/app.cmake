# One running copy per user.
find_package(Qt6 REQUIRED COMPONENTS Network)
add_library(kovara_instance STATIC ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp)
target_link_libraries(kovara_instance PUBLIC kovara_base Qt6::Network)

# The startup's work on the data folder (no window).
add_library(kovara_startup STATIC
  ${CMAKE_CURRENT_LIST_DIR}/StartupWork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupDefaults.cpp)
target_link_libraries(kovara_startup PUBLIC kovara_shell kovara_documents kovara_requesttable kovara_settings
  kovara_archive)
target_link_libraries(kovara_core INTERFACE kovara_startup)

# The composition root: the main window, the startup window, and the place
# where every area's windows are put together.
add_library(kovara_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdminWiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestsWiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Composition.cpp)
target_link_libraries(kovara_app PUBLIC kovara_startup kovara_instance kovara_shell_ui kovara_requests_ui
  kovara_documents_ui kovara_listings_ui kovara_exports_ui kovara_admin_ui kovara_listexport)
target_link_libraries(kovara_ui INTERFACE kovara_app)

add_executable(kovara ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kovara PRIVATE kovara_app)
add_dependencies(kovara kovara_install_files)
