#include "reminder_check.h"

#include <cstring>

#include "contract/abi/field_text.h"
#include "contract/abi/governing_row.h"
#include "contract/abi/host_constants.h"
#include "shell/platform.h"
#include "shell/service_slots.h"
#include "text/texts.h"
#include "dialog_templates.h"
#include "reminder_prompt.h"
#include "reminder_settings.h"
#include "time_text.h"

namespace talvenor {

namespace {

constexpr std::size_t kTodayTextSize = 12;
constexpr std::size_t kNowTextSize = 256;

// Whether the time of day lies inside the row's window, both bounds
// inclusive. A window whose from-time lies after its to-time admits nothing.
bool InsideTimeWindow(const ReminderSchedule& row) {
  if (row.fromTime[0] == '\0' && row.toTime[0] == '\0') return true;
  char now[kNowTextSize];
  std::memset(now, 0, sizeof now);  // a host that writes nothing leaves an empty text
  HostNowText(now, 0);
  if (row.fromTime[0] != '\0' && TimeTextDiff(now, row.fromTime) < 0) return false;
  if (row.toTime[0] != '\0' && TimeTextDiff(row.toTime, now) < 0) return false;
  return true;
}

void SoundToneBurst() {
  for (std::int32_t n = 20; n >= 1; --n) HostSound((n % 5) * 500 + 100, 60, 0);
}

// Returns whether the user typed the password that switches it off.
bool ShowReminder(const ReminderSettings& settings) {
  SoundToneBurst();
  ReminderPrompt prompt;
  std::memset(&prompt, 0, sizeof prompt);
  CopyFieldText(prompt.text, settings.text);
  HostRunDialog(DialogTemplateSet, kReminderDialog, &prompt, 0, 0);
  return FieldTextsEqual(prompt.enteredPassword, settings.password);
}

void RemindIfDue(ReminderSettings* settings, std::int64_t* lastReminderTime) {
  char today[kTodayTextSize];
  std::memset(today, 0, sizeof today);  // a host that writes nothing leaves an empty text
  HostTodayText(today);
  today[sizeof today - 1] = '\0';
  const int row = GoverningRow(*settings, today,
                               [](const char* date1, const char* date2) { return HostDaysBetween(date1, date2); });
  if (row == kNoGoverningRow) return;
  const ReminderSchedule& schedule = settings->schedules[row];

  // The first reminder comes one full interval after the first check that
  // finds a governing row. 64-bit seconds: a 32-bit clock stops in 2038.
  if (*lastReminderTime == 0) *lastReminderTime = platform::WallClock();
  const std::int64_t now = platform::WallClock();
  const std::int64_t elapsed = now - *lastReminderTime;
  // A clock set back makes it due at once; an interval of 0 or less is due
  // at every check. Whole minutes: elapsed / 60 < interval is
  // elapsed < interval * 60, and i686 has no 64-bit division to call.
  if (elapsed >= 0 && elapsed < std::int32_t{schedule.intervalMinutes} * 60) return;
  // Due: the next one counts from here, whether or not the window lets
  // this one through.
  *lastReminderTime = now;
  if (!InsideTimeWindow(schedule)) return;

  if (!ShowReminder(*settings)) {
    SoundToneBurst();
    return;
  }
  settings->enabled = 0;
  // Only say it is off when the file read back says so. A refused open left
  // the file as it was, still on; a write lost after the open left it
  // emptied or cut short, its text, schedule and password gone with it.
  const SaveResult saved = SaveReminderSettings(settings);
  HostMessageBox(text::kNoticeTitle.data(),
                 saved == kSaved           ? text::kReminderSwitchedOff.data()
                 : saved == kSaveNotOpened ? text::kReminderStaysOn.data()
                                           : text::kSettingsMayBeIncomplete.data(),
                 kNoticeBoxStyle);
}

}  // namespace

void RunReminderCheck(std::int64_t* lastReminderTime) {
  ReminderSettings settings;
  LoadReminderSettings(&settings);
  if (settings.enabled != 0) RemindIfDue(&settings, lastReminderTime);
}

}  // namespace talvenor
