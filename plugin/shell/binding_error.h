#pragma once
// The box that tells the user a host service is missing, and the user's
// Ignore that holds for every later miss of the load.
#include <cstdint>

#include "contract/abi/calling_convention.h"

namespace talvenor {

// Set by the first Ignore; while set, a missing service gets its fallback
// without a box. Never cleared.
extern std::int32_t ignoreAll;

// Sizes of the box's texts. The message holds the worst case uncut: 182
// bytes of fixed text, a 299-character path, a 255-character export name
// and the 124-character description, with the NUL 861 bytes; 1024 is the
// most wsprintfA ever writes.
inline constexpr int kBindingMessageSize = 1024;
inline constexpr int kModulePathSize = 300;
inline constexpr int kIdentifierTextSize = 256;

// Shows "POWAŻNY BŁĄD WTYCZKI" for the missing `identifier` (an ordinal
// below 0x10000, else the address of an export name) until the user
// answers other than Retry. Returns 1 to go on with a fallback (Ignore, or
// the ignore-all flag already set) and 0 to abort (Abort, or no box could
// be shown).
std::int32_t TALVENOR_CALLEE_POPS ShowBindingError(const char* identifier);

}  // namespace talvenor
