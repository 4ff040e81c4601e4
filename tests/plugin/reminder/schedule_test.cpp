// Which schedule row governs, when its interval has passed and whether the
// time of day lies in its window.
#include <ostream>
#include <vector>

#include "support/key_hook_fixture.h"

namespace keyhook_test {
namespace {

// Every reminder dialog here is left without a word; with a password stored,
// the reminder stays on.
constexpr char kPassword[] = "tajne";

class Schedule : public KeyHookTest {
 protected:
  int RemindersShown() const {
    int shown = 0;
    for (std::int32_t number : frontEnd.dialogsRun) shown += number == 3;
    return shown;
  }
};

// Rows 0 to 2 as given, the password stored.
ReminderSettings Rows(const std::vector<ReminderSchedule>& rows) {
  ReminderSettings record = Settings(rows.at(0), kPassword);
  for (std::size_t i = 1; i < rows.size(); ++i) record.schedules[i] = rows[i];
  return record;
}

// The record with `enabled` as the file's two bytes give it.
ReminderSettings Enabled(std::uint16_t word, ReminderSettings record) {
  record.enabled = static_cast<std::int16_t>(word);
  return record;
}

struct Check {
  int h, m, s;
  int shownSoFar;  // reminders shown after this check
};

struct ScheduleCase {
  const char* what;
  ReminderSettings record;
  std::vector<Check> checks;
};
void PrintTo(const ScheduleCase& c, std::ostream* out) { *out << c.what; }

std::vector<ScheduleCase> ScheduleCases() {
  return {
      {"an interval of one minute needs sixty full seconds, counted from the due decision",
       Rows({Row(kToday, 1)}),
       {{12, 0, 0, 0}, {12, 0, 59, 0}, {12, 1, 0, 1}, {12, 1, 59, 1}, {12, 2, 0, 2}}},
      {"an interval of 0 is due at every check", Rows({Row(kToday, 0)}), {{12, 0, 0, 1}, {12, 0, 0, 2}}},
      {"enabled 0xFFFF is on: any nonzero word", Enabled(0xFFFF, Rows({Row(kToday, 0)})), {{12, 0, 0, 1}}},
      {"enabled 0x0100 is on: its high byte counts", Enabled(0x0100, Rows({Row(kToday, 0)})), {{12, 0, 0, 1}}},
      {"an interval of -1 is due at every check", Rows({Row(kToday, -1)}), {{12, 0, 0, 1}, {12, 0, 0, 2}}},
      {"an interval of -32767 is due at every check", Rows({Row(kToday, -32767)}), {{12, 0, 0, 1}, {12, 0, 0, 2}}},
      {"a clock set back makes it due at once, and the interval counts from then", Rows({Row(kToday, 60)}),
       {{12, 0, 0, 0}, {11, 59, 59, 1}, {12, 58, 59, 1}, {12, 59, 59, 2}}},
      {"the window bounds are inclusive", Rows({Row(kToday, 0, "08:00:00", "16:00:00")}),
       {{7, 59, 59, 0}, {8, 0, 0, 1}, {16, 0, 0, 2}, {16, 0, 1, 2}}},
      {"only a from-time: no upper bound", Rows({Row(kToday, 0, "08:00:00", "")}), {{7, 59, 59, 0}, {23, 59, 59, 1}}},
      {"only a to-time: no lower bound", Rows({Row(kToday, 0, "", "16:00:00")}), {{0, 0, 0, 1}, {16, 0, 1, 1}}},
      {"a window ending before it starts never lets a reminder through",
       Rows({Row(kToday, 0, "22:00:00", "06:00:00")}),
       {{23, 0, 0, 0}, {3, 0, 0, 0}, {12, 0, 0, 0}, {22, 0, 0, 0}, {6, 0, 0, 0}}},
      {"due before the window starts the interval again", Rows({Row(kToday, 10, "08:00:00", "16:00:00")}),
       {{7, 45, 0, 0}, {7, 55, 0, 0}, {8, 0, 0, 0}, {8, 4, 59, 0}, {8, 5, 0, 1}}},
      // Computed in 32 bits, 99999999 hours wraps to a negative number of
      // seconds and lets the reminder through.
      {"a from-time 99999999 hours away", Rows({Row(kToday, 0, "99999999", "")}), {{12, 0, 0, 0}}},
      {"a to-time 99999999 hours away", Rows({Row(kToday, 0, "", "99999999")}), {{12, 0, 0, 1}}},
      {"the nearest start governs: row 0 would be due at every check, row 1 says every 1000 min",
       Rows({Row(DaysFromToday(-10), 0), Row(DaysFromToday(-2), 1000)}),
       {{12, 0, 0, 0}, {12, 1, 0, 0}}},
      {"rows 1 and 2 start the same day: row 2's window, from 13:00, governs",
       Rows({Row(DaysFromToday(-10), 0), Row(DaysFromToday(-2), 0, "00:00:00", "23:59:59"),
             Row(DaysFromToday(-2), 0, "13:00:00", "")}),
       {{12, 2, 0, 0}, {13, 0, 0, 1}}},
      {"rows not yet started or started 100000 days ago never govern",
       Rows({Row(DaysFromToday(1), 0), Row(DaysFromToday(-100000), 0)}), {{12, 0, 0, 0}}},
      {"a start 99999 days ago still governs",
       Rows({Row(DaysFromToday(1), 0), Row(DaysFromToday(-100000), 0), Row(DaysFromToday(-99999), 0)}),
       {{12, 0, 0, 1}}},
  };
}

class ScheduleTable : public Schedule, public testing::WithParamInterface<ScheduleCase> {};

TEST_P(ScheduleTable, RemindersComeAtTheirChecks) {
  StoreSettings(GetParam().record);
  for (const Check& check : GetParam().checks) {
    CheckAt(check.h, check.m, check.s);
    EXPECT_EQ(RemindersShown(), check.shownSoFar) << "after the check at " << frontEnd.now;
  }
  for (const std::string& call : CallTexts("HostNowText")) EXPECT_EQ(call, "HostNowText(ptr, 0)");
}

INSTANTIATE_TEST_SUITE_P(Rows, ScheduleTable, testing::ValuesIn(ScheduleCases()));

TEST_F(Schedule, NoRowInUseMeansNoReminderAndNoClockReading) {
  StoreSettings(Rows({Row("", 0)}));
  CheckAt(12, 0, 0);
  EXPECT_EQ(RemindersShown(), 0);
  EXPECT_EQ(Calls("HostDaysBetween"), 0) << "empty start dates are not asked about";
  EXPECT_EQ(Calls("HostTodayText"), 1);

  // The first reminder must come one interval after the first check that
  // found a row, not after this one.
  StoreSettings(Rows({Row(kToday, 1)}));
  CheckAt(12, 5, 0);
  EXPECT_EQ(RemindersShown(), 0) << "the interval starts now";
  CheckAt(12, 6, 0);
  EXPECT_EQ(RemindersShown(), 1);
}

TEST_F(Schedule, SwitchedOffMeansNoDateOrTimeServices) {
  ReminderSettings record = Settings(Row(kToday, 0, "00:00:00", "23:59:59"));
  record.enabled = 0;
  StoreSettings(record);
  Host().stateFlags = 0;
  CheckAt(12, 0, 0);
  EXPECT_EQ(CallTexts(), (std::vector<std::string>{
                             "HostGetStateFlags()",
                             "HostSetStateFlag(0x8000, 1)",
                             "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)",
                             "HostFileRead(ptr, 591, 1, ptr)",
                             "HostFileClose(ptr)",
                             "HostSetStateFlag(0x8000, 0)",
                         }));
  PressAfterCheckInterval();
  EXPECT_EQ(ChecksRun(), 2) << "the check's tick stamp is renewed all the same";
}

TEST_F(Schedule, RemindersGoOnPast2038) {
  // 2038-01-19 03:14:08 UTC is where a 32-bit clock runs out.
  constexpr std::int64_t k2038 = 0x80000000LL;
  constexpr std::int64_t k2100s = 0x100000000LL + 5 * 365 * 86400LL;
  StoreSettings(Rows({Row(kToday, 1)}));
  const struct {
    std::int64_t wallClock;
    int shownSoFar;
  } checks[] = {{k2038 - 30, 0}, {k2038 + 29, 0}, {k2038 + 30, 1}, {k2100s, 2}, {k2100s + 59, 2}};
  for (const auto& check : checks) {
    testing_support::SetWallClock(check.wallClock);
    PressAfterCheckInterval();
    EXPECT_EQ(RemindersShown(), check.shownSoFar) << "at " << check.wallClock;
  }
}

}  // namespace
}  // namespace keyhook_test
