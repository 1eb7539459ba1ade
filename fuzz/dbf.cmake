# Instruments the table module and the shared base for the fuzz build.
set(KOVARA_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
foreach(target kovara_base kovara_dbf)
  get_target_property(instrumented ${target} KOVARA_FUZZ_INSTRUMENTED)
  if(NOT instrumented)
    target_compile_options(${target} PRIVATE ${KOVARA_FUZZ_FLAGS})
    # Whatever links an instrumented library needs the sanitizer runtimes.
    target_link_options(${target} INTERFACE -fsanitize=address,undefined)
    set_target_properties(${target} PROPERTIES KOVARA_FUZZ_INSTRUMENTED ON)
  endif()
endforeach()

add_executable(dbf_open_fuzz ${CMAKE_CURRENT_LIST_DIR}/dbf_open_fuzz.cpp)
target_link_libraries(dbf_open_fuzz PRIVATE kovara_dbf)
target_compile_options(dbf_open_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
target_link_options(dbf_open_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
