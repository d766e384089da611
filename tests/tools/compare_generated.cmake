# Runs a generator into OUTPUT and fails unless OUTPUT equals COMMITTED byte
# for byte.  cmake -DPYTHON=... -DGENERATOR=... -DOUTPUT=... -DCOMMITTED=... -P
if(PYTHON MATCHES "-not-found$")
  message(FATAL_ERROR "python3 is needed to check ${COMMITTED}")
endif()
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${PYTHON} ${GENERATOR} --output ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
                RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} writes; run it to regenerate")
endif()
