# Writes a form resource from its template: every @PICTURE_<NAME>@ becomes the
# picture data of a JPEG image (class name, 32-bit little-endian size, the
# file's bytes, in hex), @SKIN_STREAM@ the stored skin package (size, bytes)
# and @HELP_ADDRESS@ the help page address.
#   cmake -DTEMPLATE=… -DOUTPUT=… -DPICTURES="NAME=file;…" -DSKIN_PACKAGE=… -DHELP_ADDRESS=… -P FillFormPictures.cmake

cmake_minimum_required(VERSION 3.25)

# The 32-bit little-endian size of a file, in hex.
function(size_hex file out)
  file(SIZE "${file}" size)
  set(prefix "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    if(length EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND prefix "${digits}")
  endforeach()
  set(${out} "${prefix}" PARENT_SCOPE)
endfunction()

# A JPEG picture's data: the class name, the size, the bytes.
function(jpeg_picture_hex file out)
  size_hex("${file}" size)
  file(READ "${file}" data HEX)
  string(TOUPPER "0A544A504547496D616765${size}${data}" hex)  # length 10, "TJPEGImage"
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# A stored skin package: its size, then its bytes.
function(skin_stream_hex file out)
  size_hex("${file}" size)
  file(READ "${file}" data HEX)
  string(TOUPPER "${size}${data}" hex)
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

file(READ "${TEMPLATE}" form)
foreach(entry IN LISTS PICTURES)
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 file)
  jpeg_picture_hex("${file}" hex)
  string(REPLACE "@PICTURE_${name}@" "${hex}" form "${form}")
endforeach()
string(REPLACE "@HELP_ADDRESS@" "${HELP_ADDRESS}" form "${form}")
if(DEFINED SKIN_PACKAGE)
  skin_stream_hex("${SKIN_PACKAGE}" skin)
  string(REPLACE "@SKIN_STREAM@" "${skin}" form "${form}")
endif()
if(form MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "${TEMPLATE}: placeholder ${CMAKE_MATCH_0} not filled")
endif()
file(WRITE "${OUTPUT}" "${form}")
