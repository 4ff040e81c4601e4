#pragma once
// The reminder's whole configuration: one 591-byte record, edited in place
// by the configuration dialog and stored complemented in infprz.dat.
// Byte-exact: the dialog binds its fields to consecutive bytes.
#include <cstddef>
#include <cstdint>

namespace talvenor {

#pragma pack(push, 1)
struct ReminderSchedule {
  char startDate[9];             // host date text; first byte 0 = row unused
  std::int16_t intervalMinutes;  // repeat interval, minutes
  char fromTime[9];              // HH:MM:SS, empty = no lower bound
  char toTime[9];                // HH:MM:SS, empty = no upper bound
};

struct ReminderSettings {
  char text[481];                   // reminder text, up to 480 characters
  ReminderSchedule schedules[3];    // schedule rows
  char password[21];                // empty = no password
  std::int16_t enabled;             // nonzero = reminder on
};
#pragma pack(pop)

static_assert(sizeof(ReminderSchedule) == 29);
static_assert(offsetof(ReminderSchedule, startDate) == 0);
static_assert(offsetof(ReminderSchedule, intervalMinutes) == 9);
static_assert(offsetof(ReminderSchedule, fromTime) == 11);
static_assert(offsetof(ReminderSchedule, toTime) == 20);

static_assert(sizeof(ReminderSettings) == 591);
static_assert(offsetof(ReminderSettings, text) == 0);
static_assert(offsetof(ReminderSettings, schedules) == 481);
static_assert(offsetof(ReminderSettings, schedules) + sizeof(ReminderSchedule) == 510);
static_assert(offsetof(ReminderSettings, schedules) + 2 * sizeof(ReminderSchedule) == 539);
static_assert(offsetof(ReminderSettings, password) == 568);
static_assert(offsetof(ReminderSettings, enabled) == 589);

inline constexpr std::size_t kSettingsFileSize = sizeof(ReminderSettings);

// The file's encoding: every byte complemented. Its own inverse, so the
// same call reads and writes; in place, no heap.
inline void ComplementSettingsBytes(unsigned char (&bytes)[kSettingsFileSize]) {
  for (unsigned char& byte : bytes) byte = static_cast<unsigned char>(~byte);
}

}  // namespace talvenor
