# SPDX-License-Identifier: MIT
# cmake -DSCDOC=... -DINPUT=page.1.scd -DOUTPUT=page.1 -P scdoc.cmake: one manual page to roff.
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "scdoc could not turn ${INPUT} into roff")
endif()
