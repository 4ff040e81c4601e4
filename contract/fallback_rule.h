#pragma once
// Which do-nothing entry the plug-in puts in place of a service the host
// lacks, when the user goes on past the error box. Stub n returns 0 and
// removes 4*n bytes of arguments. Heap-free and constexpr, so the plug-in
// and the settings tool give the same answer.
#include <cstdint>

#include "contract/host_services.h"

namespace talvenor {

inline constexpr int kFallbackStubCount = 15;
inline constexpr int kNoFallback = -1;

// The stub that removes `bytes` (rounded down to whole words), or
// kNoFallback when no stub removes that many.
constexpr int FallbackForBytes(long bytes) {
  if (bytes < 0) return kNoFallback;
  const long n = bytes / 4;
  return n < kFallbackStubCount ? static_cast<int>(n) : kNoFallback;
}

// An ordinal's last two digits: 99 gives stub 0; a multiple of 4 up to 56
// gives stub digits/4 (the digits read as argument bytes); anything else
// none. Where the digits allow a fallback at all, a service of our own
// table gets the stub of what it really removes: the digits of 52028 and
// 52308 read as 28 and 8 bytes, but their callers pass 12 and 16, and a
// stub of the digits' size would leave the caller's stack off.
// HostFileWrite never gets one: a do-nothing write would follow every open
// for "wb", and each save would empty infprz.dat and lose the text and the
// password. Better the load fails than the user's settings.
constexpr int FallbackForOrdinal(std::uint32_t ordinal) {
  if (ordinal == kServiceStacks[HostFileWriteSlot].ordinal) return kNoFallback;
  const std::uint32_t digits = ordinal % 100;
  if (digits != 99 && (digits % 4 != 0 || digits > 56)) return kNoFallback;
  for (const ServiceStack& service : kServiceStacks)
    if (service.ordinal == ordinal) return FallbackForBytes(service.poppedBytes);
  return digits == 99 ? 0 : static_cast<int>(digits / 4);
}

}  // namespace talvenor
