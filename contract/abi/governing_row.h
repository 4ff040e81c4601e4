#pragma once
// Which schedule row governs: of the rows whose start date has been
// reached, the one nearest behind today; a tie goes to the later row. The
// plug-in counts the days with the host's HostDaysBetween, the settings
// tool with its own calendar; both answer -1 for a text that is not a date,
// so such a row never governs. Heap-free: the plug-in uses it.
#include <cstdint>

#include "contract/abi/field_text.h"
#include "contract/abi/settings_record.h"

namespace talvenor {

inline constexpr int kNoGoverningRow = -1;
inline constexpr std::int32_t kFarthestStartDays = 99999;  // a row started longer ago never governs

// The governing row's index (0 to 2), or kNoGoverningRow. `daysBetween(today,
// start)` gives the days from `start` to `today`.
template <typename DaysBetween>
int GoverningRow(const ReminderSettings& settings, const char* today, DaysBetween daysBetween) {
  int choice = kNoGoverningRow;
  std::int32_t bestDays = kFarthestStartDays;
  for (int i = 0; i < 3; ++i) {
    const ReminderSchedule& row = settings.schedules[i];
    if (row.startDate[0] == '\0') continue;
    char startDate[sizeof row.startDate] = {};
    CopyFieldText(startDate, row.startDate);
    const std::int32_t days = daysBetween(today, static_cast<const char*>(startDate));
    if (days >= 0 && days <= bestDays) {
      choice = i;
      bestDays = days;
    }
  }
  return choice;
}

}  // namespace talvenor
