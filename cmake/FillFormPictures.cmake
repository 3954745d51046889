# Writes a form resource from its template: every @PICTURE_<NAME>@ becomes the
# picture data of a JPEG image (class name, 32-bit little-endian size, the
# file's bytes, in hex), and @HELP_ADDRESS@ the help page address.
#   cmake -DTEMPLATE=… -DOUTPUT=… -DPICTURES="NAME=file;…" -DHELP_ADDRESS=… -P FillFormPictures.cmake

cmake_minimum_required(VERSION 3.25)

function(jpeg_picture_hex file out)
  file(SIZE "${file}" size)
  set(prefix "0A544A504547496D616765")  # length 10, "TJPEGImage"
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    if(length EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND prefix "${digits}")
  endforeach()
  file(READ "${file}" data HEX)
  string(TOUPPER "${prefix}${data}" hex)
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
if(form MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "${TEMPLATE}: placeholder ${CMAKE_MATCH_0} not filled")
endif()
file(WRITE "${OUTPUT}" "${form}")
