#pragma once
// A host with the plug-in's key hook installed (as at start, with no hook
// before it), a settings file written byte for byte, and a clock the tests
// move by hand: tick count in milliseconds, wall clock in seconds, and the
// time of day the host reports.
#include <cstdint>
#include <string>
#include <vector>

#include "reminder/key_hook.h"
#include "reminder/reminder_prompt.h"
#include "reminder/reminder_settings.h"
#include "support/test_host.h"

namespace keyhook_test {

using talvenor::ReminderPrompt;
using talvenor::ReminderSchedule;
using talvenor::ReminderSettings;
using namespace testing_support;  // the host, its clocks, settings and dialog actions

// The host date text `days` after (or before, when negative) kToday.
std::string DaysFromToday(int days);

class KeyHookTest : public testing_support::HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  static void StoreSettings(const ReminderSettings& record) { testing_support::WriteSettingsFile(record); }
  static ReminderSettings StoredSettings() { return testing_support::ReadSettingsFile(); }  // all zero when missing
  static std::string StoredBytes() { return testing_support::ReadFileBytes(testing_support::kSettingsFile); }

  // Sets the wall clock and the host's time of day to that time, today.
  void SetTimeOfDay(int hours, int minutes, int seconds);
  void SetTicks(std::uint32_t ticks);

  // One key through the hook at the current tick count.
  std::uint32_t Press(std::uint32_t key = kPlainKey);
  // Moves the tick count 5001 ms on and presses: one reminder check.
  std::uint32_t PressAfterCheckInterval(std::uint32_t key = kPlainKey);
  // The same at a time of day.
  std::uint32_t CheckAt(int hours, int minutes, int seconds, std::uint32_t key = kPlainKey);

  // The texts of the notices shown so far, each checked to be the plug-in's
  // plain "uwaga" notice (style 1).
  std::vector<std::string> Notices() const;

  // Scripts the configuration dialog to change the reminder's text to
  // "Nowy tekst" and confirm.
  void EditTheText();

  static int Calls(const std::string& service);
  static void ForgetCalls();
  // Reminder checks run so far: each holds the host's state flag once.
  static int ChecksRun() { return Calls("HostGetStateFlags"); }

  std::uint32_t ticks = 0;
};

}  // namespace keyhook_test
