#pragma once
// The do-nothing entries that stand in for host services the host lacks,
// and the rule that picks one for a missing service.
#include <cstdint>

#include "contract/calling_convention.h"
#include "contract/host_services.h"

namespace talvenor {

// A slot's value: the host's export, a fallback, a first-call entry or null.
using ServiceSlot = void*;

inline constexpr int kFallbackStubCount = 15;

// FallbackStub[n] returns 0 and removes 4*n bytes of arguments (i686);
// it touches nothing else. Natively it only returns 0.
extern void* const FallbackStub[kFallbackStubCount];

// Stores the fallback for `identifier` (an ordinal below 0x10000, else the
// address of an export name) in `slot`, or null when none fits.
// Ordinals: last two digits 99 give stub 0; a multiple of 4 up to 56 gives
// stub digits/4 (the digits read as argument bytes); anything else null.
// An ordinal of our own service table gets the stub of the bytes its
// callers really pass, where the digits would give a stub of another size.
// Names: the number after the last '@' read as argument bytes; no '@' or no
// digit there gives stub 0, more than 59 bytes null.
void TALVENOR_CALLEE_POPS ChooseFallback(const char* identifier, ServiceSlot* slot);

// Whether `identifier` is an ordinal rather than the address of a name.
inline bool IsOrdinal(const char* identifier) { return reinterpret_cast<std::uintptr_t>(identifier) < 0x10000; }

}  // namespace talvenor
