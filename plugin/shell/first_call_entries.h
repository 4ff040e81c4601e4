#pragma once
// Each slot's value at load: the service's first-call entry. Called like
// the service itself, it binds the service, then goes on into whatever the
// slot holds now with the caller's arguments and registers as they were.
// If the slot ends up null, it returns 0 instead, removing the arguments
// as the service would.
#include <cstdint>

#include "contract/abi/host_services.h"

extern "C" {
// TalvenorFirstCallHostMessageBox ...: entries in assembly, not C++
// functions; their address is all C++ may use.
#define TALVENOR_DECLARE_FIRST_CALL(name, ordinal, pops, bytes, result, params) void TalvenorFirstCall##name();
TALVENOR_HOST_SERVICES(TALVENOR_DECLARE_FIRST_CALL)
#undef TALVENOR_DECLARE_FIRST_CALL

// The resolve step behind every first-call entry: binds the service of
// `ordinal` and returns what its slot holds now (null if nothing).
void* TalvenorResolveOnFirstCall(std::uint32_t ordinal);
}

namespace talvenor {

// The first-call entries in slot order: what serviceSlots holds at load.
extern void* const kFirstCallEntries[kServiceCount];

}  // namespace talvenor
