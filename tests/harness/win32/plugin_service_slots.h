#pragma once
// Windows only. The 17 service slots of a loaded talvenor.dll, found in its
// writable data: 17 words in a row, each the host's export of that ordinal
// where the host has one, else an address inside the plug-in (a fallback).
#include <windows.h>

#include <cstdint>
#include <vector>

namespace testing_support {

// Empty when no such row is found.
std::vector<std::uintptr_t> FindServiceSlots(HMODULE plugin, HMODULE host);
// The row itself, to put a test's own service into a slot: row[slot index].
// Null when no such row is found.
std::uintptr_t* FindServiceSlotRow(HMODULE plugin, HMODULE host);

}  // namespace testing_support
