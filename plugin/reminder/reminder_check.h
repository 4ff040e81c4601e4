#pragma once
// The reminder check the key hook runs at most every 5000 ms: is a reminder
// due, is it inside its time window, and if so the tones and the reminder
// dialog, whose right password switches the reminder off.
#include <cstdint>

namespace talvenor {

// One check; the key hook holds the host's state flag meanwhile. `lastReminderTime` is the
// hook's moment of the last due decision (wall-clock seconds, 0 = not yet
// set); it is set when a governing row is first found and at every due
// decision. The busy flag and the check's tick stamp are the hook's.
void RunReminderCheck(std::int64_t* lastReminderTime);

}  // namespace talvenor
