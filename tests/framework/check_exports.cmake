# Fails unless the only symbol of its own that the module exports is PluginMain.
execute_process(COMMAND nm -D --defined-only ${MODULE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODULE}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] " "" name "${line}")
  # Markers the linker adds to every shared object, instances of the standard library's
  # templates, and the type descriptions of function types that clang's function sanitizer
  # emits (_ZTIF, _ZTSF) are not the module's own.
  if(NOT name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$" AND NOT name MATCHES "^_ZN?K?(St|9__gnu_cxx)"
     AND NOT name MATCHES "^_ZT[IS]F")
    list(APPEND names "${name}")
  endif()
endforeach()
if(NOT names STREQUAL "PluginMain")
  message(FATAL_ERROR "the module exports: ${names}")
endif()
