#pragma once
// The do-nothing entries that stand in for host services the host lacks,
// and the rule that picks one for a missing service.
#include <cstdint>

#include "contract/calling_convention.h"
#include "contract/fallback_rule.h"

namespace talvenor {

// A slot's value: the host's export, a fallback, a first-call entry or null.
using ServiceSlot = void*;

// FallbackStub[n] returns 0 and removes 4*n bytes of arguments (i686);
// it touches nothing else. Natively it only returns 0.
extern void* const FallbackStub[kFallbackStubCount];

// Stores the fallback for `identifier` (an ordinal below 0x10000, else the
// address of an export name) in `slot`, or null when none fits.
// Ordinals: FallbackForOrdinal.
// Names: the number after the last '@' read as argument bytes; no '@' or no
// digit there gives stub 0, more than 59 bytes null.
void TALVENOR_CALLEE_POPS ChooseFallback(const char* identifier, ServiceSlot* slot);

// Whether `identifier` is an ordinal rather than the address of a name.
inline bool IsOrdinal(const char* identifier) { return reinterpret_cast<std::uintptr_t>(identifier) < 0x10000; }

}  // namespace talvenor
