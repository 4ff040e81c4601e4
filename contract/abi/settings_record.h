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

// The file's encoding: every byte of the record complemented. Heap-free,
// for the plug-in and the tool alike.
inline void EncodeSettingsBytes(const ReminderSettings& record, unsigned char (&file)[kSettingsFileSize]) {
  const auto* plain = reinterpret_cast<const unsigned char*>(&record);
  for (std::size_t i = 0; i < kSettingsFileSize; ++i) file[i] = static_cast<unsigned char>(~plain[i]);
}

// The record the first `size` bytes of a file hold: what a short file
// lacks reads as zero, what lies past 591 bytes is not read.
inline void DecodeSettingsBytes(const unsigned char* file, std::size_t size, ReminderSettings* record) {
  auto* plain = reinterpret_cast<unsigned char*>(record);
  for (std::size_t i = 0; i < kSettingsFileSize; ++i)
    plain[i] = i < size ? static_cast<unsigned char>(~file[i]) : 0;
}

}  // namespace talvenor
