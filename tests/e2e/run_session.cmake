# Runs one guides-host session and checks it. Variables (-D):
#   HOST        the guides-host executable
#   WORKDIR     the test's own folder, made afresh (the host runs there)
#   SCRIPT      the session script, or "-" with INPUT
#   INPUT       a file given to the host as standard input
#   ARGS        more host arguments (a list)
#   PREFS       the preferences file (always given: tests never touch the user's own)
#   PREFS_SEED  a file copied to PREFS first; KEEP_PREFS keeps the PREFS of an earlier run
#   FILES       files copied into WORKDIR first (a list)
#   EXPECTED    a file that standard output must equal
#   ACTUAL      where standard output is kept, for a look after a failure
#   STATUS      the exit status expected (default 0), or "signal" for a killed host
#   STDERR      texts that standard error must contain (a list)
#   STDOUT_HAS  texts that standard output must contain once each (a list): a text found twice
#               could be read from another print than the one it is about, and fails as
#               ambiguous; where a session prints states to check, its expected file says all
#   COMPARE     pairs "produced=expected" of files that must be equal (produced in WORKDIR)
#   EXISTS      files that must exist afterwards (in WORKDIR)
#   JSON_HAS    checks "file:member.member...=value" of a JSON file made in WORKDIR: a member
#               (an array by its index) and its value as CMake reads it (true is ON)
# A difference from an expected file is printed as a unified diff. With the environment
# variable GUIDES_UPDATE_EXPECTED set (./guides test --update-expected), the files named
# *.expected that differ are rewritten from what the session gave, for review in git diff.
if(NOT KEEP_PREFS)
  file(REMOVE_RECURSE ${WORKDIR})
endif()
file(MAKE_DIRECTORY ${WORKDIR})
if(PREFS_SEED)
  file(COPY_FILE ${PREFS_SEED} ${PREFS})
endif()
foreach(fixture IN LISTS FILES)
  file(COPY ${fixture} DESTINATION ${WORKDIR})
endforeach()
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()

set(input_option "")
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${HOST} --prefs ${PREFS} ${ARGS} ${SCRIPT}
                WORKING_DIRECTORY ${WORKDIR}
                ${input_option}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)

file(WRITE ${ACTUAL} "${out}")

set(failures "")
set(diffs "")
# expect(EXPECTED_FILE ACTUAL_FILE): a difference is a failure with its diff, or, when
# updating, the expected file rewritten.
function(expect expected actual)
  execute_process(COMMAND diff -u --label ${expected} --label ${actual} ${expected} ${actual}
                  OUTPUT_VARIABLE difference ERROR_VARIABLE difference RESULT_VARIABLE different)
  if(NOT different)
    return()
  endif()
  if(DEFINED ENV{GUIDES_UPDATE_EXPECTED} AND expected MATCHES "\\.expected$" AND EXISTS ${actual})
    file(COPY_FILE ${actual} ${expected})
    message(STATUS "rewritten: ${expected}")
  else()
    set(failures ${failures} "${actual} differs from ${expected}" PARENT_SCOPE)
    set(diffs "${diffs}${difference}" PARENT_SCOPE)
  endif()
endfunction()

if(STATUS STREQUAL "signal")
  if(status MATCHES "^[0-9]+$")
    list(APPEND failures "expected the host to be killed, it exited with ${status}")
  endif()
elseif(NOT status STREQUAL STATUS)
  list(APPEND failures "exit status ${status}, expected ${STATUS}")
endif()
if(EXPECTED)
  expect(${EXPECTED} ${ACTUAL})
endif()
foreach(text IN LISTS STDERR)
  string(FIND "${err}" "${text}" at)
  if(at EQUAL -1)
    list(APPEND failures "standard error lacks: ${text}")
  endif()
endforeach()
foreach(text IN LISTS STDOUT_HAS)
  string(FIND "${out}" "${text}" at)
  string(FIND "${out}" "${text}" last REVERSE)
  if(at EQUAL -1)
    list(APPEND failures "standard output lacks: ${text}")
  elseif(NOT at EQUAL last)
    list(APPEND failures "ambiguous, found more than once in standard output: ${text}")
  endif()
endforeach()
foreach(pair IN LISTS COMPARE)
  string(REPLACE "=" ";" files ${pair})
  list(GET files 0 produced)
  list(GET files 1 expected)
  expect(${expected} ${WORKDIR}/${produced})
endforeach()
foreach(check IN LISTS JSON_HAS)
  string(REGEX MATCH "^([^:]+):([^=]+)=(.*)$" parts "${check}")
  set(json_file ${CMAKE_MATCH_1})
  string(REPLACE "." ";" members "${CMAKE_MATCH_2}")
  set(wanted "${CMAKE_MATCH_3}")
  set(json "")
  if(EXISTS ${WORKDIR}/${json_file})
    file(READ ${WORKDIR}/${json_file} json)
  endif()
  string(JSON value ERROR_VARIABLE json_error GET "${json}" ${members})
  if(json_error)
    list(APPEND failures "${check}: ${json_error}")
  elseif(NOT value STREQUAL wanted)
    list(APPEND failures "${check}: found '${value}'")
  endif()
endforeach()
foreach(name IN LISTS EXISTS)
  if(NOT EXISTS ${WORKDIR}/${name})
    list(APPEND failures "${name} was not made")
  endif()
endforeach()

if(failures)
  # The diffs and the host's standard error as they are (an error message would indent and
  # space them), then the failures.
  message(NOTICE "${diffs}--- standard error of the host:\n${err}--- standard output of the host is in ${ACTUAL}")
  string(REPLACE ";" "\n  " listed "${failures}")
  message(FATAL_ERROR "session failed:\n  ${listed}")
endif()
