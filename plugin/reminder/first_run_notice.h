#pragma once
// Tells the user once that the plug-in is installed and how to reach its
// configuration. The marker file "talvenor.xxx" in the current directory
// records that the notice has been shown.
#include <cstdint>

namespace talvenor {

// Unless the marker exists (any file or directory of that name): creates
// it empty, then shows the description in a box titled "uwaga". A marker
// that cannot be created does not stop the notice. Always returns 0.
std::int32_t ShowFirstRunNotice();

}  // namespace talvenor
