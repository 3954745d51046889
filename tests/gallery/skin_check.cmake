# Runs `skinpack check` on one package and fails on any warning.
execute_process(COMMAND "${SKINPACK}" check "${PACKAGE}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skinpack check ${PACKAGE} failed (${status}):\n${out}${err}")
endif()
if(out MATCHES "warning:" OR NOT out MATCHES "loads; 0 warnings")
  message(FATAL_ERROR "skinpack check ${PACKAGE} warns:\n${out}")
endif()
message(STATUS "${out}")
