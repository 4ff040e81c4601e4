# talvenor_add_test(name SOURCES ... LIBS ... [LABELS ...]): one test
# program, one ctest test (a Wine start costs seconds, so no per-case
# discovery). The technique is a label: every test of a Windows build runs
# under Wine and is labelled "wine"; "soak" and "slow" are given here.
function(talvenor_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  talvenor_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  talvenor_label_test(${name} ${T_LABELS})
endfunction()

# Labels a ctest test; tests of a Windows build get "wine" too.
function(talvenor_label_test name)
  set(labels ${ARGN})
  if(TALVENOR_WIN32)
    list(APPEND labels wine)
  endif()
  if(labels)
    set_tests_properties(${name} PROPERTIES LABELS "${labels}")
  endif()
endfunction()

# talvenor_add_fuzz(target SOURCE MAX_LEN n): the libFuzzer program
# fuzz_<target> (preset native-fuzz; paths are the calling list's) that
# reads at most n bytes (the rest would be ignored), and a ctest test
# labelled "fuzz" that replays its seed corpus, corpus/<target> beside the
# source, once. The build lists every target with its limit in
# fuzz-targets.txt, from which ./x fuzz explores for longer.
function(talvenor_add_fuzz target source)
  cmake_parse_arguments(F "" "MAX_LEN" "" ${ARGN})
  if(NOT F_MAX_LEN MATCHES "^[0-9]+$")
    message(FATAL_ERROR "talvenor_add_fuzz(${target}): MAX_LEN, the longest input it reads, is missing")
  endif()
  add_executable(fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/${source})
  target_link_libraries(fuzz_${target} PRIVATE fuzz_harness)
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
  talvenor_warnings(fuzz_${target})
  set(corpus ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
  add_test(NAME fuzz_${target} COMMAND fuzz_${target} -runs=0 -max_len=${F_MAX_LEN} ${corpus})
  set_tests_properties(fuzz_${target} PROPERTIES LABELS fuzz)
  # One line a target: name, longest input, seed corpus. Started afresh by
  # each configure run's first target.
  get_property(listed GLOBAL PROPERTY TALVENOR_FUZZ_LISTED)
  if(NOT listed)
    file(WRITE ${CMAKE_BINARY_DIR}/fuzz-targets.txt "")
    set_property(GLOBAL PROPERTY TALVENOR_FUZZ_LISTED ON)
  endif()
  file(APPEND ${CMAKE_BINARY_DIR}/fuzz-targets.txt "${target} ${F_MAX_LEN} ${corpus}\n")
endfunction()
