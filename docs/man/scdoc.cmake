# SPDX-License-Identifier: MIT
# cmake -DSCDOC=... -DGZIP=... -DINPUT=page.1.scd -DOUTPUT=page.1 -P scdoc.cmake: one manual
# page to roff, and beside it page.1.gz as installed (compressed as Debian's policy
# asks: gzip -9n, no name or time stored, so that builds are reproducible).
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "scdoc could not turn ${INPUT} into roff")
endif()
execute_process(COMMAND ${GZIP} -9nc ${OUTPUT} OUTPUT_FILE ${OUTPUT}.gz RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.gz)
  message(FATAL_ERROR "gzip could not compress ${OUTPUT}")
endif()
