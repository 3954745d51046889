# skinshot on every window and state: exit codes, the PNG's size and kind read
# from its header, pictures that change with the options, refused packages
# and usage errors.
# Variables: SKINSHOT, SKINPACK (the tools), SAMPLE (a skin folder), WORK (a
# scratch folder).

function(run expected_code)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(last_stdout "${out}" PARENT_SCOPE)
  set(last_stderr "${err}" PARENT_SCOPE)
endfunction()

# Fails unless `png` is an RGBA PNG; sets width and height from its IHDR.
function(read_header png)
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "${png} was not written")
  endif()
  file(READ "${png}" signature LIMIT 8 HEX)
  file(READ "${png}" chunk OFFSET 12 LIMIT 4 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    message(FATAL_ERROR "${png} is not a PNG file")
  endif()
  file(READ "${png}" w OFFSET 16 LIMIT 4 HEX)
  file(READ "${png}" h OFFSET 20 LIMIT 4 HEX)
  file(READ "${png}" depth_and_type OFFSET 24 LIMIT 2 HEX)
  if(NOT depth_and_type STREQUAL "0806")
    message(FATAL_ERROR "${png}: bit depth and colour type ${depth_and_type}, expected 8-bit RGBA (0806)")
  endif()
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(width ${w} PARENT_SCOPE)
  set(height ${h} PARENT_SCOPE)
endfunction()

function(expect_size png expected_width expected_height)
  read_header("${png}")
  if(NOT width EQUAL expected_width OR NOT height EQUAL expected_height)
    message(FATAL_ERROR "${png}: ${width}x${height}, expected ${expected_width}x${expected_height}")
  endif()
endfunction()

function(expect_different a b)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${a}" "${b}" RESULT_VARIABLE different)
  if(NOT different)
    message(FATAL_ERROR "${b} is the same picture as ${a}")
  endif()
endfunction()

# A usage error: exit 1, one line on standard error, no picture.
function(expect_usage_error)
  file(REMOVE "${WORK}/usage.png")
  run(1 "${SKINSHOT}" ${ARGN})
  string(REGEX MATCHALL "\n" lines "${last_stderr}")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${ARGN}: ${count} lines on standard error, expected one:\n${last_stderr}")
  endif()
  if(EXISTS "${WORK}/usage.png")
    message(FATAL_ERROR "${ARGN}: a picture was written")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# The display is headless whatever the environment names.
set(ENV{DISPLAY} ":99")

run(0 "${SKINSHOT}" --list)
if(NOT last_stdout STREQUAL
   "form\ndialog\ntoolwindow\nnoborder\nmessagebox\ngallery\ngallery-buttons\ngallery-boxes\ngallery-edits\ngallery-lists\ngallery-bars\n")
  message(FATAL_ERROR "--list printed:\n${last_stdout}")
endif()

# The gallery's main form keeps its own size; each page is its own picture.
run(0 "${SKINSHOT}" --window gallery "${WORK}/gallery.png")
run(0 "${SKINSHOT}" --window gallery-lists "${WORK}/gallery-lists.png")
expect_different("${WORK}/gallery.png" "${WORK}/gallery-lists.png")

# Every window at the default size; the message box has its own.
foreach(name form dialog toolwindow noborder)
  run(0 "${SKINSHOT}" --window ${name} "${WORK}/${name}.png")
  expect_size("${WORK}/${name}.png" 320 240)
endforeach()
run(0 "${SKINSHOT}" --window messagebox --size 600x500 "${WORK}/messagebox.png")
read_header("${WORK}/messagebox.png")
if(width LESS 100 OR width GREATER 400 OR height LESS 60 OR height GREATER 300)
  message(FATAL_ERROR "the message box is ${width}x${height}")
endif()
set(box_width ${width})
set(box_height ${height})
expect_different("${WORK}/form.png" "${WORK}/dialog.png")
expect_different("${WORK}/form.png" "${WORK}/noborder.png")

# Sizes, the caption, activation and the reading order.
run(0 "${SKINSHOT}" --window dialog --size 500x300 "${WORK}/dialog-500.png")
expect_size("${WORK}/dialog-500.png" 500 300)
run(0 "${SKINSHOT}" --window toolwindow --size 180x120 "${WORK}/tool-180.png")
expect_size("${WORK}/tool-180.png" 180 120)
# Larger than the default screen: the screen grows rather than the size shrinks.
run(0 "${SKINSHOT}" --size 1600x1200 --inactive "${WORK}/large.png")
expect_size("${WORK}/large.png" 1600 1200)
run(0 "${SKINSHOT}" --caption "提示 Other" "${WORK}/caption.png")
expect_size("${WORK}/caption.png" 320 240)
expect_different("${WORK}/form.png" "${WORK}/caption.png")
run(0 "${SKINSHOT}" --inactive "${WORK}/inactive.png")
expect_size("${WORK}/inactive.png" 320 240)
expect_different("${WORK}/form.png" "${WORK}/inactive.png")
run(0 "${SKINSHOT}" --rtl "${WORK}/rtl.png")
expect_different("${WORK}/form.png" "${WORK}/rtl.png")
run(0 "${SKINSHOT}" --window messagebox --inactive "${WORK}/messagebox-inactive.png")
expect_size("${WORK}/messagebox-inactive.png" ${box_width} ${box_height})
expect_different("${WORK}/messagebox.png" "${WORK}/messagebox-inactive.png")
run(0 "${SKINSHOT}" --window messagebox --rtl "${WORK}/messagebox-rtl.png")
expect_different("${WORK}/messagebox.png" "${WORK}/messagebox-rtl.png")

# Show states: maximised covers the screen (1280x1024) with the frame past
# its edges, minimised is the caption bar alone.
run(0 "${SKINSHOT}" --maximized "${WORK}/maximized.png")
read_header("${WORK}/maximized.png")
if(width LESS 1280 OR height LESS 1024)
  message(FATAL_ERROR "the maximised window is ${width}x${height}")
endif()
run(0 "${SKINSHOT}" --minimized "${WORK}/minimized.png")
read_header("${WORK}/minimized.png")
if(width GREATER 320 OR height GREATER 60)
  message(FATAL_ERROR "the minimised window is ${width}x${height}")
endif()

run(0 "${SKINSHOT}" --window messagebox --minimized "${WORK}/messagebox-minimized.png")
read_header("${WORK}/messagebox-minimized.png")
if(width GREATER 320 OR height GREATER 60)
  message(FATAL_ERROR "the minimised message box is ${width}x${height}")
endif()

# Another skin package draws another picture; packages the engine refuses
# and files that cannot be read give 2 and no picture.
run(0 "${SKINPACK}" pack "${SAMPLE}" "${WORK}/sample.skn")
run(0 "${SKINSHOT}" --skin "${WORK}/sample.skn" "${WORK}/sample.png")
expect_size("${WORK}/sample.png" 320 240)
expect_different("${WORK}/form.png" "${WORK}/sample.png")
file(WRITE "${WORK}/junk.skn" "junk")
# A package whose picture is no bitmap: the engine's reading fails.
file(WRITE "${WORK}/bad-picture/skin.ini" "[Personality]\nTop=top.bmp\nTopFrame=2\n")
file(WRITE "${WORK}/bad-picture/top.bmp" "not a bitmap")
run(0 "${SKINPACK}" pack "${WORK}/bad-picture" "${WORK}/bad-picture.skn")
foreach(package "${WORK}/junk.skn" "${WORK}/bad-picture.skn" "${WORK}/missing.skn" "${WORK}")
  run(2 "${SKINSHOT}" --skin "${package}" "${WORK}/refused.png")
  if(NOT last_stderr MATCHES "skinshot: .+")
    message(FATAL_ERROR "--skin ${package}: no reason given")
  endif()
  if(EXISTS "${WORK}/refused.png")
    message(FATAL_ERROR "--skin ${package}: a picture was written")
  endif()
endforeach()

# A caption button the window does not show: exit 1 with a message.
run(1 "${SKINSHOT}" --hover 99 "${WORK}/hover.png")
run(1 "${SKINSHOT}" --window noborder --press 0 "${WORK}/press.png")
if(EXISTS "${WORK}/hover.png" OR EXISTS "${WORK}/press.png")
  message(FATAL_ERROR "a picture was written for a button that is not there")
endif()

# A picture that cannot be written.
run(1 "${SKINSHOT}" "${WORK}/no/such/folder/out.png")

# Usage errors.
expect_usage_error(--frobnicate "${WORK}/usage.png")
expect_usage_error(--size 0x240 "${WORK}/usage.png")
expect_usage_error(--size 320 "${WORK}/usage.png")
expect_usage_error(--size 4097x100 "${WORK}/usage.png")
expect_usage_error(--size 320x240x2 "${WORK}/usage.png")
expect_usage_error(--size WxH "${WORK}/usage.png")
expect_usage_error(--window form)
expect_usage_error(--window sheet "${WORK}/usage.png")
expect_usage_error(--hover close "${WORK}/usage.png")
expect_usage_error("${WORK}/usage.png" --caption)
expect_usage_error("${WORK}/usage.png" "${WORK}/other.png")
expect_usage_error(--minimized --maximized "${WORK}/usage.png")
expect_usage_error(--list "${WORK}/usage.png")
