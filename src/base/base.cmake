# The base every layer stands on: errors, the code page, dates as text, file
# names, the calls to the operating system on files, and the program and data
# folders. It knows no table, setting or window.
add_library(kovara_base STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win1250.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NativePath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CrashPoint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Leftovers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Platform.cpp)
# The operating system's side of base/Platform.h.
if(WIN32)
  target_sources(kovara_base PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PlatformWindows.cpp)
else()
  target_sources(kovara_base PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PlatformPosix.cpp)
endif()
target_include_directories(kovara_base PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(kovara_base PUBLIC kovara_options Qt6::Core)

# The program and data folders (and the per-user folder).
add_library(kovara_paths STATIC ${CMAKE_CURRENT_LIST_DIR}/Paths.cpp)
target_link_libraries(kovara_paths PUBLIC kovara_base)
target_link_libraries(kovara_core INTERFACE kovara_base kovara_paths)
