# Runs a generator into OUTPUT (and READINGS_OUTPUT, when given) and fails
# unless each equals its committed file (COMMITTED, COMMITTED_READINGS) byte
# for byte.
#   cmake -DPYTHON=... -DGENERATOR=... -DOUTPUT=... -DCOMMITTED=...
#         [-DREADINGS_OUTPUT=... -DCOMMITTED_READINGS=...] -P compare_generated.cmake
if(PYTHON MATCHES "-not-found$")
  message(FATAL_ERROR "python3 is needed to check ${COMMITTED}")
endif()
set(arguments --output ${OUTPUT})
set(pairs "${OUTPUT}|${COMMITTED}")
if(READINGS_OUTPUT)
  list(APPEND arguments --readings-output ${READINGS_OUTPUT})
  list(APPEND pairs "${READINGS_OUTPUT}|${COMMITTED_READINGS}")
endif()
file(REMOVE ${OUTPUT} ${READINGS_OUTPUT})
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${arguments} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${result}")
endif()
foreach(pair IN LISTS pairs)
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 written)
  list(GET pair 1 committed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${written} ${committed}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${committed} is not what ${GENERATOR} writes; run it to regenerate")
  endif()
endforeach()
