# Which folder of src/ may include headers of which: the layers of the
# program, from the bottom up. A folder may include its own headers and those
# of the folders listed for it; an include of any other folder of src/ (one
# above it, or a sibling area) fails the configure step, and the test
# "layers" checks the same on every run. The headers of the operating system
# (<sys/...>, <unistd.h>, <fcntl.h>, <io.h>, <windows.h>) are included by
# base/Platform*.cpp alone.
#
# Usable from CMake (include, then kovara_check_layers(<src>)) and as a
# script: cmake -DKOVARA_SRC=<src> -P cmake/Layers.cmake

set(_engines engines/dbf engines/report engines/workbook engines/xls engines/rtf engines/archive)
set(_below_areas base ${_engines} data shell)
set(_ui_services widgets shell/ui engines/report/ui)

set(KOVARA_LAYER_base "")
foreach(_engine ${_engines})
  set(KOVARA_LAYER_${_engine} base)
endforeach()
set(KOVARA_LAYER_engines/report/ui base engines/report)
set(KOVARA_LAYER_data base engines/dbf)
set(KOVARA_LAYER_shell base ${_engines} data)
set(KOVARA_LAYER_widgets base shell)
set(KOVARA_LAYER_shell/ui ${_below_areas} widgets engines/report/ui)

# The areas' cores, in the order they may use each other.
set(KOVARA_LAYER_requests ${_below_areas})
set(KOVARA_LAYER_admin ${_below_areas})
set(KOVARA_LAYER_documents ${_below_areas} requests)
set(KOVARA_LAYER_listings ${_below_areas} requests)
set(KOVARA_LAYER_exports ${_below_areas} requests documents listings)
# An area's windows: its own core, what that core may use, the shared
# windows; never another area's windows.
foreach(_area requests admin documents listings exports)
  set(KOVARA_LAYER_${_area}/ui ${KOVARA_LAYER_${_area}} ${_area} ${_ui_services})
endforeach()

# The programs: the composition root knows everything; the command line
# every core, and no window.
set(KOVARA_LAYER_app base ${_engines} data shell widgets shell/ui engines/report/ui
  requests requests/ui admin admin/ui documents documents/ui listings listings/ui exports exports/ui)
set(KOVARA_LAYER_cli ${_below_areas} requests admin documents listings exports app)

set(KOVARA_LAYER_ALL base ${_engines} engines/report/ui data shell widgets shell/ui
  requests requests/ui admin admin/ui documents documents/ui listings listings/ui exports exports/ui app cli)

function(kovara_check_layers src_dir)
  get_filename_component(src ${src_dir} ABSOLUTE)
  set(problems "")
  foreach(folder ${KOVARA_LAYER_ALL})
    file(GLOB files ${src}/${folder}/*.h ${src}/${folder}/*.cpp)
    foreach(file ${files})
      # The operating system's headers belong to base/Platform*.cpp alone.
      if(NOT file MATCHES "/base/Platform[A-Za-z]*\\.cpp$")
        file(STRINGS ${file} system REGEX "^[ \t]*#[ \t]*include[ \t]+<(sys/[^>]+|unistd\\.h|fcntl\\.h|io\\.h|[Ww]indows\\.h)>")
        foreach(line ${system})
          file(RELATIVE_PATH rel ${src} ${file})
          string(APPEND problems "  ${rel}: system calls go through base/Platform.h (${line})\n")
        endforeach()
      endif()
      file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+/[^\"/]+\"")
      foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)/[^\"/]+\".*" "\\1" target "${line}")
        if(target STREQUAL folder)
          continue()
        endif()
        list(FIND KOVARA_LAYER_ALL ${target} known)
        if(known EQUAL -1)
          continue() # not a folder of src/ (a test's or a library's own path)
        endif()
        list(FIND KOVARA_LAYER_${folder} ${target} allowed)
        if(allowed EQUAL -1)
          file(RELATIVE_PATH rel ${src} ${file})
          string(APPEND problems "  ${rel}: ${folder} may not include ${target}/ (${line})\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(problems)
    message(FATAL_ERROR "Includes against the layers (cmake/Layers.cmake):\n${problems}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND KOVARA_SRC)
  kovara_check_layers(${KOVARA_SRC})
  message(STATUS "Layers respected")
endif()
