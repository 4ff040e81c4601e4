#include "key_hook.h"

#include "configuration_sequence.h"
#include "host_state_flag.h"
#include "reminder_check.h"
#include "shell/platform.h"
#include "shell/service_slots.h"

namespace talvenor {

KeyHookFn previousHook = nullptr;

namespace {

constexpr std::uint32_t kCheckEveryMs = 5000;  // more than this since the last check ended

// Set while a reminder check or the configuration runs, so keys pressed in
// the plug-in's own dialogs pass straight through.
bool busy = false;
// Wall-clock seconds of the last due decision; 0 = not yet set.
std::int64_t lastReminderTime = 0;
// Tick count at the end of the last reminder check; 0 = not yet set.
std::uint32_t lastCheckTick = 0;
// Set by the first InstallKeyHook of the load.
bool installed = false;

// The plug-in's own work inside a key press: keys that arrive meanwhile
// (from its own dialogs) pass straight through, and the host's state flag
// is held while it runs. Out of line, so that KeyHook's common path keeps
// its small frame.
[[gnu::noinline]] void RunAsPluginWork(void (*work)()) {
  busy = true;
  const std::int32_t savedBit = HoldHostStateFlag();
  work();
  ReleaseHostStateFlag(savedBit);
  busy = false;
}

}  // namespace

bool InstallKeyHook() {
  // A second install would hand KeyHook to HostSetKeyHook again and get
  // KeyHook back as its own predecessor: every key would then recurse
  // until the stack ran out.
  if (installed) return false;
  installed = true;
  const KeyHookFn before = HostSetKeyHook(&KeyHook);
  // A host that hands back the hook installed last must not make KeyHook
  // its own predecessor either.
  previousHook = before == &KeyHook ? nullptr : before;
  return true;
}

std::uint32_t TALVENOR_CALLEE_POPS KeyHook(std::uint32_t key) {
  const std::uint32_t keyCode = (previousHook != nullptr ? previousHook(key) : key) & 0xFFFF;
  if (lastCheckTick == 0) lastCheckTick = platform::TickCount();
  // Unsigned, modulo 2^32: wraps with the tick count, and a host left
  // without key presses for 25 days still gets its next check.
  const std::uint32_t sinceLastCheck = platform::TickCount() - lastCheckTick;
  if (busy) return keyCode;

  if (sinceLastCheck > kCheckEveryMs) {
    RunAsPluginWork([] { RunReminderCheck(&lastReminderTime); });
    lastCheckTick = platform::TickCount();
  }

  if (keyCode != kShiftF10) return keyCode;
  RunAsPluginWork(RunConfigurationSequence);
  return kConsumedKey;
}

void ResetKeyHookStateForTests() {
  previousHook = nullptr;
  busy = false;
  lastReminderTime = 0;
  lastCheckTick = 0;
  installed = false;
}

bool KeyHookBusyForTests() { return busy; }

}  // namespace talvenor
