# What both mingw-w64 cross-builds share; the toolchain file of each sets
# CMAKE_SYSTEM_PROCESSOR and TALVENOR_MINGW_TRIPLE and includes this. The
# -posix compilers are used throughout: GoogleTest needs std::thread, and
# everything is linked statically so no mingw runtime DLL is ever needed
# next to the host.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TALVENOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALVENOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALVENOR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TALVENOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under Wine, through the project's own prefix
# (wine-run picks the 32- or 64-bit loader from the program).
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run")
