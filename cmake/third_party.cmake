# Every library that is not the project's own, set up in one place; all come
# from Debian's packages (./x deps installs them).

# GoogleTest from Debian's sources (package googletest), built for whichever
# target this preset builds for.
if(BUILD_TESTING)
  set(TALVENOR_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TALVENOR_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# CLI11 and nlohmann-json, header-only, as the target third_party_headers.
# Only these two folders are visible, through a folder of the project's own:
# /usr/include itself never reaches the mingw compiler.
set(TALVENOR_CLI11_DIR /usr/include/CLI CACHE PATH "CLI11 headers (Debian libcli11-dev)")
set(TALVENOR_JSON_DIR /usr/include/nlohmann CACHE PATH "nlohmann-json headers (Debian nlohmann-json3-dev)")
foreach(dir IN ITEMS ${TALVENOR_CLI11_DIR} ${TALVENOR_JSON_DIR})
  if(NOT EXISTS ${dir})
    message(FATAL_ERROR "${dir} is missing: install libcli11-dev and nlohmann-json3-dev (./x deps)")
  endif()
endforeach()
set(TALVENOR_THIRD_PARTY ${CMAKE_BINARY_DIR}/third_party_include)
file(MAKE_DIRECTORY ${TALVENOR_THIRD_PARTY})
file(CREATE_LINK ${TALVENOR_CLI11_DIR} ${TALVENOR_THIRD_PARTY}/CLI SYMBOLIC)
file(CREATE_LINK ${TALVENOR_JSON_DIR} ${TALVENOR_THIRD_PARTY}/nlohmann SYMBOLIC)
add_library(third_party_headers INTERFACE)
target_include_directories(third_party_headers SYSTEM INTERFACE ${TALVENOR_THIRD_PARTY})

# Google Benchmark, for the native benchmarks only.
if(NOT TALVENOR_WIN32)
  find_package(benchmark REQUIRED)
endif()
