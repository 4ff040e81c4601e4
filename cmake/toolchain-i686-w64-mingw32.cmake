# Cross-build for the shipped 32-bit plug-in.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TALVENOR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
