#pragma once
// Times of day as the host writes them and the configuration dialog stores
// them: HH:MM:SS, read with atoi at offsets 0, 3 and 6.
#include <cstdint>

namespace talvenor {

// Seconds of `a` minus seconds of `b`. Checks nothing: a text that is not
// HH:MM:SS gives whatever atoi makes of those offsets. Each text is read up
// to its NUL and at most 8 characters, since a damaged settings file may
// leave a time field without its NUL; 64-bit because a damaged field can
// read as 99999999 hours.
std::int64_t TimeTextDiff(const char* a, const char* b);

}  // namespace talvenor
