#pragma once
// The host's state flag 0x8000, held set while the plug-in runs a reminder
// check or its configuration. When the host had it set already, the plug-in
// neither sets nor clears it.
#include <cstdint>

#include "contract/abi/host_constants.h"

namespace talvenor {



// Returns the bit as found (0 or 0x8000); sets it when it was clear.
std::int32_t HoldHostStateFlag();

// Clears the bit again when HoldHostStateFlag found it clear.
void ReleaseHostStateFlag(std::int32_t savedBit);

}  // namespace talvenor
