# Runs run_session.cmake against a stale copy of a session's expected output (one line
# more): the run must fail with a unified diff showing that line and keep the host's output
# in the actual file; in update mode the copy is rewritten from that output and the run
# passes.
#   HOST, SESSION, EXPECTED (the session's true expectation), RUN_SESSION, WORK
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(READ ${EXPECTED} wanted)
set(stale ${WORK}/session.expected)
file(WRITE ${stale} "a stale line\n${wanted}")
set(run ${CMAKE_COMMAND} -DHOST=${HOST} -DWORKDIR=${WORK}/run -DSCRIPT=${SESSION}
        -DPREFS=${WORK}/run/prefs.json -DACTUAL=${WORK}/session.actual -DEXPECTED=${stale}
        -P ${RUN_SESSION})

unset(ENV{GUIDES_UPDATE_EXPECTED})
execute_process(COMMAND ${run} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(status EQUAL 0)
  message(FATAL_ERROR "a session differing from its expectation passed")
endif()
if(NOT err MATCHES "\n@@ [^\n]*\n-a stale line\n")
  message(FATAL_ERROR "no unified diff showing the stale line in:\n${err}")
endif()
file(READ ${WORK}/session.actual actual)
if(NOT actual STREQUAL wanted)
  message(FATAL_ERROR "the actual file does not hold the host's output:\n${actual}")
endif()

set(ENV{GUIDES_UPDATE_EXPECTED} 1)
execute_process(COMMAND ${run} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
file(READ ${stale} rewritten)
if(NOT status EQUAL 0 OR NOT rewritten STREQUAL wanted)
  message(FATAL_ERROR "update mode (exit ${status}) left the expectation as:\n${rewritten}${err}")
endif()
