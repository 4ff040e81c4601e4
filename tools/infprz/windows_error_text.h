#pragma once
// A Windows error code as a user reads it: the tool's own words for the
// codes one meets with a settings file (no permission, locked, the disk
// full, ...), else the system's own message text, never a bare number.
#if defined(_WIN32)
#include <string>

namespace infprz {

std::string WindowsErrorText(unsigned long code);

}  // namespace infprz
#endif
