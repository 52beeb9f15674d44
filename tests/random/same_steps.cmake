# Runs the same random session twice with its steps printed; both runs must print the same
# steps, and a third with another seed must not.
file(MAKE_DIRECTORY ${WORKDIR})
foreach(run first second)
  execute_process(COMMAND ${HOST} --random ${STEPS} --seed ${SEED} --steps
                  OUTPUT_FILE ${WORKDIR}/${run}.txt RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the ${run} run exited with ${status}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORKDIR}/first.txt ${WORKDIR}/second.txt
                RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "two runs of seed ${SEED} printed different steps")
endif()
math(EXPR other "${SEED} + 1")
execute_process(COMMAND ${HOST} --random ${STEPS} --seed ${other} --steps OUTPUT_FILE ${WORKDIR}/other.txt)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORKDIR}/first.txt ${WORKDIR}/other.txt
                RESULT_VARIABLE different)
if(NOT different)
  message(FATAL_ERROR "seeds ${SEED} and ${other} printed the same steps")
endif()
file(STRINGS ${WORKDIR}/first.txt lines LIMIT_COUNT 1)
if(NOT lines STREQUAL "random session: seed ${SEED}, ${STEPS} steps")
  message(FATAL_ERROR "the first line does not name the seed: ${lines}")
endif()
