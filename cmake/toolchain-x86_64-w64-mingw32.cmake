# Cross-build of the same sources for x86-64 Windows: a test vehicle, never
# shipped. It runs under Debian's wine64 where a kernel cannot run 32-bit
# programs, so the Windows half (file calls, consoles, loading DLLs) is still
# exercised there.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TALVENOR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
