#include "key_hook.h"

#include "../shell/platform.h"
#include "configuration_sequence.h"
#include "reminder_check.h"

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

}  // namespace

std::uint32_t TALVENOR_CALLEE_POPS KeyHook(std::uint32_t key) {
  const std::uint32_t keyCode = (previousHook != nullptr ? previousHook(key) : key) & 0xFFFF;
  if (lastCheckTick == 0) lastCheckTick = platform::TickCount();
  // Unsigned, modulo 2^32: wraps with the tick count, and a host left
  // without key presses for 25 days still gets its next check.
  const std::uint32_t sinceLastCheck = platform::TickCount() - lastCheckTick;
  if (busy) return keyCode;

  if (sinceLastCheck > kCheckEveryMs) {
    busy = true;
    RunReminderCheck(&lastReminderTime);
    lastCheckTick = platform::TickCount();
    busy = false;
  }

  if (keyCode != kShiftF10) return keyCode;
  busy = true;
  RunConfigurationSequence();
  busy = false;
  return kConsumedKey;
}

void ResetKeyHookStateForTests() {
  previousHook = nullptr;
  busy = false;
  lastReminderTime = 0;
  lastCheckTick = 0;
}

bool KeyHookBusyForTests() { return busy; }

}  // namespace talvenor
