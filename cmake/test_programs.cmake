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

# talvenor_add_fuzz(target SOURCE): the libFuzzer program fuzz_<target>
# (preset native-fuzz; paths are the calling list's), and a ctest test labelled "fuzz" that replays its
# seed corpus, corpus/<target> beside the source, once. ./x fuzz explores
# from the same corpus for longer.
function(talvenor_add_fuzz target source)
  add_executable(fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/${source})
  target_link_libraries(fuzz_${target} PRIVATE fuzz_harness)
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
  talvenor_warnings(fuzz_${target})
  add_test(NAME fuzz_${target} COMMAND fuzz_${target} -runs=0 ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
  set_tests_properties(fuzz_${target} PROPERTIES LABELS fuzz)
endfunction()
