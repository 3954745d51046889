# Helpers that give every target of the project the same compiler settings.

function(brellis_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(BRELLIS_WERROR AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# brellis_library(name SOURCES ... [DEPS ...] [PRIVATE_DEPS ...])
function(brellis_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  brellis_target_defaults(${name})
endfunction()

# brellis_test(name SOURCES ... DEPS ... [LABELS ...])
# One GoogleTest executable per layer; each test case is registered with CTest.
# SERIAL: the cases run alone (they look at the system's process list).
function(brellis_test name)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;DEPS;LABELS" ${ARGN})
  set(properties RUN_SERIAL FALSE)
  if(ARG_SERIAL)
    set(properties RUN_SERIAL TRUE)
  endif()
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/tests")
  brellis_target_defaults(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ${properties}
    DISCOVERY_TIMEOUT 60)
endfunction()

# brellis_bench(name SOURCES ... DEPS ...)
function(brellis_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  brellis_target_defaults(${name})
endfunction()

# brellis_fuzzer(name SOURCES ... DEPS ...)
# With BRELLIS_LIBFUZZER the target links libFuzzer. Otherwise it links a small
# driver that replays the checked-in corpus, and CTest runs that replay so every
# input a fuzzer ever found stays a regression test.
function(brellis_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  brellis_target_defaults(${name})
  if(BRELLIS_LIBFUZZER)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    target_sources(${name} PRIVATE "${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp")
    set(corpus "${CMAKE_SOURCE_DIR}/fuzz/corpus/${name}")
    if(EXISTS "${corpus}")
      add_test(NAME ${name}.replay COMMAND ${name} "${corpus}")
      set_tests_properties(${name}.replay PROPERTIES LABELS fuzz-replay)
    endif()
  endif()
endfunction()

# brellis_resources(target RESOURCES TYPE NAME FILE [TYPE NAME FILE ...])
# Makes a library `target` that embeds the files as the program's resources.
# The tables register themselves at start, so the library is linked whole
# into every executable that links it, directly or through another library.
function(brellis_resources target)
  cmake_parse_arguments(ARG "" "" "RESOURCES" ${ARGN})
  set(files)
  list(LENGTH ARG_RESOURCES count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 2 ${last} 3)
    list(GET ARG_RESOURCES ${i} file)
    list(APPEND files "${file}")
  endforeach()
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp")
  add_custom_command(OUTPUT "${out}"
    COMMAND embed-resources "${out}" ${ARG_RESOURCES}
    DEPENDS embed-resources ${files}
    COMMENT "Embedding resources for ${target}"
    VERBATIM)
  add_library(${target}_tables STATIC "${out}")
  target_include_directories(${target}_tables PRIVATE "${CMAKE_SOURCE_DIR}/src")
  target_link_libraries(${target}_tables PUBLIC platform_base)
  add_library(${target} INTERFACE)
  target_link_libraries(${target} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}_tables>")
endfunction()
