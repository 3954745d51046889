# Packs the sample skin folder with skinpack, extracts the package again and
# compares every file; also checks list, ini and the tool's refusals.
# Variables: SKINPACK (the tool), SAMPLE (the folder), WORK (a scratch folder).

function(run expected_code)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(last_output "${out}${err}" PARENT_SCOPE)
endfunction()

# Fails unless the last command's output matches `pattern`.
function(expect_output pattern)
  if(NOT last_output MATCHES "${pattern}")
    message(FATAL_ERROR "output does not match ${pattern}:\n${last_output}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(package "${WORK}/sample.skn")

run(0 "${SKINPACK}" pack "${SAMPLE}" "${package}")
run(0 "${SKINPACK}" extract "${package}" "${WORK}/out")
file(GLOB originals RELATIVE "${SAMPLE}" "${SAMPLE}/*")
file(GLOB extracted RELATIVE "${WORK}/out" "${WORK}/out/*")
list(SORT originals)
list(SORT extracted)
if(NOT originals STREQUAL extracted)
  message(FATAL_ERROR "extracted files ${extracted} differ from ${originals}")
endif()
foreach(name IN LISTS originals)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SAMPLE}/${name}" "${WORK}/out/${name}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} changed on the way through the package")
  endif()
endforeach()

run(0 "${SKINPACK}" list "${package}")
expect_output("4662  sample\\(4\\)__buttons.bmp")
expect_output("4 entries")
run(0 "${SKINPACK}" ini "${package}")
expect_output("Bitmap=checkbox.bmp")

# A given order is kept; it must name every file once.
file(WRITE "${WORK}/order.txt" "sample.ini\ncaption.bmp\r\ncheckbox.bmp\nsample(4)__buttons.bmp\n")
run(0 "${SKINPACK}" pack "${SAMPLE}" "${WORK}/ordered.skn" --order "${WORK}/order.txt")
run(0 "${SKINPACK}" list "${WORK}/ordered.skn")
expect_output("sample.ini.*caption.bmp.*checkbox.bmp.*buttons.bmp")
file(WRITE "${WORK}/short-order.txt" "sample.ini\ncaption.bmp\n")
run(1 "${SKINPACK}" pack "${SAMPLE}" "${WORK}/x.skn" --order "${WORK}/short-order.txt")
expect_output("is not listed")

# Refusals: a missing folder, a folder without INI, a file that is no package,
# wrong usage.
run(1 "${SKINPACK}" pack "${WORK}/missing" "${WORK}/x.skn")
file(MAKE_DIRECTORY "${WORK}/no-ini")
file(COPY "${SAMPLE}/checkbox.bmp" DESTINATION "${WORK}/no-ini")
run(1 "${SKINPACK}" pack "${WORK}/no-ini" "${WORK}/x.skn")
expect_output("exactly one .ini file; found 0")
run(1 "${SKINPACK}" list "${SAMPLE}/sample.ini")
expect_output("not a skin package")
run(2 "${SKINPACK}" list)
run(2 "${SKINPACK}" frobnicate)
