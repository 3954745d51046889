# The inspection verbs of skinpack on the embedded skin and on a skin with
# typical mistakes: check's warnings, dump's JSON and preview's picture.
# Variables: SKINPACK (the tool), EMBEDDED (the embedded skin's package),
# FLAWED (the folder of the flawed skin), WORK (a scratch folder).

function(run expected_code)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(last_output "${out}${err}" PARENT_SCOPE)
endfunction()

function(expect_output pattern)
  if(NOT last_output MATCHES "${pattern}")
    message(FATAL_ERROR "output does not match ${pattern}:\n${last_output}")
  endif()
endfunction()

# Fails unless the JSON member at the path (given as string(JSON) arguments)
# has the expected value.
function(expect_json json expected)
  string(JSON value GET "${json}" ${ARGN})
  if(NOT value STREQUAL expected)
    message(FATAL_ERROR "${ARGN}: ${value}, expected ${expected}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

run(0 "${SKINPACK}" check "${EMBEDDED}")
expect_output("loads; 0 warnings")

run(0 "${SKINPACK}" dump "${EMBEDDED}")
set(json "${last_output}")
expect_json("${json}" "tesmera-metallic" SkinName)
expect_json("${json}" "#E0DFE3" colours 3 value)
expect_json("${json}" "ON" colours 3 given)
expect_json("${json}" "5" members Buttons Frame)
expect_json("${json}" "12" members Buttons CheckButtonFrame)
expect_json("${json}" "200" members ComboButton Picture width)
expect_json("${json}" "BUTTON.CLOSE" captionButtons 0 Name)
expect_json("${json}" "9" captionButtons 8 Action)
string(JSON buttons LENGTH "${json}" captionButtons)
if(NOT buttons EQUAL 9)
  message(FATAL_ERROR "${buttons} caption buttons, expected 9")
endif()

run(0 "${SKINPACK}" preview "${EMBEDDED}" "${WORK}/preview.png")
file(READ "${WORK}/preview.png" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "preview.png is not a PNG file")
endif()

run(0 "${SKINPACK}" pack "${FLAWED}" "${WORK}/flawed.skn")
run(0 "${SKINPACK}" check "${WORK}/flawed.skn")
expect_output("section \\[Progress\\] is missing")
expect_output("\\[Personality\\] Top: \"top.BMP\" is not a \".bmp\" name")
expect_output("\\[Tabs\\] Image: \"missing.bmp\" is not in the package")
expect_output("caption button \\[Button.App\\] is dropped")
expect_output("Left Picture: 3 frames do not divide the width 8")
expect_output("Buttons CheckPicture: 4 frames do not divide the width 50")
run(0 "${SKINPACK}" dump "${WORK}/flawed.skn")
string(JSON type TYPE "${last_output}" members Progress)
if(NOT type STREQUAL "NULL")
  message(FATAL_ERROR "members.Progress is ${type}, expected null")
endif()
expect_json("${last_output}" "#0A141E" colours 3 value)
expect_json("${last_output}" "OFF" colours 0 given)

# A file that is no package fails.
file(WRITE "${WORK}/junk.skn" "junk")
run(1 "${SKINPACK}" check "${WORK}/junk.skn")
