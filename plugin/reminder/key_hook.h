#pragma once
// The hook the host calls with every key code. It hands the key to the hook
// installed before it, runs the reminder check at most every 5000 ms, and
// turns Shift-F10 into the reminder's configuration.
#include <cstdint>
#include <type_traits>

#include "contract/host_services.h"
#include "contract/host_constants.h"

namespace talvenor {


// The hook HostSetKeyHook returned when KeyHook was installed; null if none.
// Written once, at start.
extern KeyHookFn previousHook;

// Puts KeyHook at the head of the host's hook chain and keeps the hook it
// replaces as previousHook. Only the first call of a load installs; it
// answers whether this call did.
bool InstallKeyHook();

// Low 16 bits of `key` carry the key code. Returns the key code after
// chaining, zero-extended, or kConsumedKey when it was Shift-F10.
std::uint32_t TALVENOR_CALLEE_POPS KeyHook(std::uint32_t key);
static_assert(std::is_same_v<decltype(&KeyHook), KeyHookFn>, "the host calls KeyHook as a key hook");

// The hook's module-wide state as at load (not installed, no previous
// hook, no check yet, no reminder yet, not busy); for tests, which run
// many "loads" in one process.
void ResetKeyHookStateForTests();
// Whether a reminder check or the configuration is running now; for tests
// that press keys from inside the plug-in's dialogs or check it is clear.
bool KeyHookBusyForTests();

}  // namespace talvenor
