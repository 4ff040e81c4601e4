# talvenor_add_test(name SOURCES ... LIBS ...): one test program, one ctest
# test (a Wine start costs seconds, so no per-case discovery).
function(talvenor_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  talvenor_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
