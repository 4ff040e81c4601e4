#pragma once
// The buffer of the reminder dialog: the reminder text shown and the
// password the user types. The password dialog runs over enteredPassword
// alone.
#include <cstddef>

namespace talvenor {

#pragma pack(push, 1)
struct ReminderPrompt {
  char text[481];             // reminder text, copied from the settings
  char enteredPassword[21];   // what the user typed, up to 20 characters
};
#pragma pack(pop)

static_assert(sizeof(ReminderPrompt) == 502);
static_assert(offsetof(ReminderPrompt, text) == 0);
static_assert(offsetof(ReminderPrompt, enteredPassword) == 481);

}  // namespace talvenor
