#pragma once
// What the module does when the platform notifies it of a load or unload.
#include <cstdint>

#include "contract/abi/calling_convention.h"

namespace talvenor {

// At process attach: EarlyAttach, then the binding probes in slot order;
// returns 0 (the load fails) at the first probe that finds no entry.
// Every other notification does nothing and returns 1.
std::int32_t TALVENOR_CALLEE_POPS ModuleEntry(void* module, std::uint32_t reason, void* reserved);

}  // namespace talvenor
