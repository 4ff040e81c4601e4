#pragma once
// The few platform calls the plug-in makes. On Windows they are the real
// ones; the native build links a small stand-in (native/winapi) with the
// same names, which tests script.
#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#include <io.h>
#include <stdlib.h>
#include <time.h>
#else
#include "windows_stand_in.h"
#endif

namespace talvenor::platform {

#if defined(TALVENOR_SCRIPTED_CLOCK)
// Windows unit tests link the plug-in's sources with a clock they script.
std::uint32_t TickCount();
std::int64_t WallClock();
#else
// Milliseconds since the system started; wraps every 49.7 days.
inline std::uint32_t TickCount() { return GetTickCount(); }
// Seconds since 1970-01-01 UTC, 64-bit so it does not run out in 2038.
inline std::int64_t WallClock() { return _time64(nullptr); }
#endif

// Whether a file of that name exists, readable or not.
inline bool FileExists(const char* name) { return _access(name, 0) == 0; }

}  // namespace talvenor::platform
