#pragma once
// A host with the plug-in's key hook installed (as at start, with no hook
// before it), a settings file written byte for byte, and a clock the tests
// move by hand: tick count in milliseconds, wall clock in seconds, and the
// time of day the host reports.
#include <cstdint>
#include <string>

#include "reminder/key_hook.h"
#include "reminder/reminder_prompt.h"
#include "reminder/reminder_settings.h"
#include "support/test_host.h"

namespace keyhook_test {

using talvenor::ReminderPrompt;
using talvenor::ReminderSchedule;
using talvenor::ReminderSettings;
using DialogAction = standin::ScriptedFrontEnd::DialogAction;

inline constexpr std::uint32_t kPlainKey = 0x1E61;  // 'a'
inline constexpr std::uint32_t kShiftF10 = 0x5D00;
inline constexpr std::uint32_t kConsumed = 0xFFFF;
inline constexpr char kToday[] = "20261209";  // the stand-in's today in these tests

// Wall-clock seconds of 00:00:00 UTC on a host date text.
std::int64_t MidnightOf(const char* hostDate);
// The host date text `days` after (or before, when negative) kToday.
std::string DaysFromToday(int days);

// A schedule row; texts are copied with their NUL, "" leaves a field empty.
ReminderSchedule Row(const std::string& startDate, std::int16_t intervalMinutes, const std::string& fromTime = "",
                     const std::string& toTime = "");
// Switched on, text "Zadzwon do biura", no password, row 0 as given.
ReminderSettings Settings(const ReminderSchedule& row0, const std::string& password = "");

// The 591 bytes of a record, for comparing.
std::string RecordBytes(const ReminderSettings& record);

// What the user does in a dialog.
DialogAction Type(const std::string& password);  // types a password (dialog 1 or 3) and confirms
DialogAction Confirm();                            // confirms without changing anything
DialogAction Leave();                              // leaves the dialog (Esc)

class KeyHookTest : public testing_support::HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  static void StoreSettings(const ReminderSettings& record);  // infprz.dat, complemented
  static ReminderSettings StoredSettings();                   // all zero when missing
  static std::string StoredBytes();                           // the file as it stands

  // Sets the wall clock and the host's time of day to that time, today.
  void SetTimeOfDay(int hours, int minutes, int seconds);
  void SetTicks(std::uint32_t ticks);

  // One key through the hook at the current tick count.
  std::uint32_t Press(std::uint32_t key = kPlainKey);
  // Moves the tick count 5001 ms on and presses: one reminder check.
  std::uint32_t PressAfterCheckInterval(std::uint32_t key = kPlainKey);
  // The same at a time of day.
  std::uint32_t CheckAt(int hours, int minutes, int seconds, std::uint32_t key = kPlainKey);

  static int Calls(const std::string& service);
  static void ForgetCalls();
  // Reminder checks run so far: each holds the host's state flag once.
  static int ChecksRun() { return Calls("HostGetStateFlags"); }

  std::uint32_t ticks = 0;
};

}  // namespace keyhook_test
