# Installs the build tree BUILD under PREFIX, made afresh, then runs SESSION with the
# installed host alone (no --plugin: it finds the installed plug-in by itself) and checks
# its summary line.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${err}")
endif()
foreach(file bin/guides-host plugin/Guides.so plugin/Resources/GuidesDialogue.json plugin/Resources/Aide/page11.txt)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()

# Nothing of the build tree may be reached: no library path, and the prefix is all it has.
set(ENV{LD_LIBRARY_PATH} "")
execute_process(COMMAND ${PREFIX}/bin/guides-host --prefs ${PREFIX}/prefs.json ${SESSION}
                WORKING_DIRECTORY ${PREFIX}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
set(wanted "  click 300 400 | guides 10: Repères 10 | set \"Set par défaut\" | unit mm | alerts none | sounds Pop.aiff\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL wanted)
  message(FATAL_ERROR "the installed host (exit ${status}) printed:\n${out}${err}\nexpected:\n${wanted}")
endif()
