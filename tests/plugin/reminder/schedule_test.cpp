// Which schedule row governs, when its interval has passed and whether the
// time of day lies in its window.
#include <cstring>
#include <vector>

#include "support/key_hook_fixture.h"

namespace keyhook_test {
namespace {

using testing_support::CallTexts;
using testing_support::Host;

class Schedule : public KeyHookTest {
 protected:
  // Every reminder dialog here is left without a word; with a password
  // stored, the reminder stays on.
  int RemindersShown() const {
    int shown = 0;
    for (std::int32_t number : frontEnd.dialogsRun) shown += number == 3;
    return shown;
  }
  static ReminderSettings WithPassword(ReminderSettings record) {
    std::memcpy(record.password, "tajne", 6);
    return record;
  }
};

TEST_F(Schedule, NoRowInUseMeansNoReminderAndNoClockReading) {
  StoreSettings(WithPassword(Settings(Row("", 0))));
  CheckAt(12, 0, 0);
  EXPECT_EQ(RemindersShown(), 0);
  EXPECT_EQ(Calls("HostDaysBetween"), 0) << "empty start dates are not asked about";
  EXPECT_EQ(Calls("HostTodayText"), 1);

  // The first reminder must come one interval after the first check that
  // found a row, not after this one.
  StoreSettings(WithPassword(Settings(Row(kToday, 1))));
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

TEST_F(Schedule, RowsNotYetStartedOrStartedTooLongAgoNeverGovern) {
  ReminderSettings record = WithPassword(Settings(Row(DaysFromToday(1), 0)));
  record.schedules[1] = Row(DaysFromToday(-100000), 0);
  StoreSettings(record);
  CheckAt(12, 0, 0);
  EXPECT_EQ(RemindersShown(), 0);
  EXPECT_EQ(CallTexts("HostDaysBetween"),
            (std::vector<std::string>{"HostDaysBetween(\"20261209\", \"" + DaysFromToday(1) + "\")",
                                      "HostDaysBetween(\"20261209\", \"" + DaysFromToday(-100000) + "\")"}));

  record.schedules[2] = Row(DaysFromToday(-99999), 0);
  StoreSettings(record);
  CheckAt(12, 0, 10);
  EXPECT_EQ(RemindersShown(), 1) << "99999 days ago still governs";
}

TEST_F(Schedule, TheNearestStartGovernsAndATieGoesToTheLaterRow) {
  // Row 0 would be due at every check; the nearer row 1 says every 1000 min.
  ReminderSettings record = WithPassword(Settings(Row(DaysFromToday(-10), 0)));
  record.schedules[1] = Row(DaysFromToday(-2), 1000);
  StoreSettings(record);
  CheckAt(12, 0, 0);
  CheckAt(12, 1, 0);
  EXPECT_EQ(RemindersShown(), 0) << "row 1 starts nearer behind today";

  // Rows 1 and 2 start the same day: row 2's interval and window govern.
  record.schedules[1] = Row(DaysFromToday(-2), 0, "00:00:00", "23:59:59");
  record.schedules[2] = Row(DaysFromToday(-2), 0, "13:00:00", "");
  StoreSettings(record);
  CheckAt(12, 2, 0);
  EXPECT_EQ(RemindersShown(), 0) << "row 2's window starts at 13:00";
  CheckAt(13, 0, 0);
  EXPECT_EQ(RemindersShown(), 1);
}

TEST_F(Schedule, AnIntervalOfOneMinuteNeedsSixtyFullSeconds) {
  StoreSettings(WithPassword(Settings(Row(kToday, 1))));
  CheckAt(12, 0, 0);
  EXPECT_EQ(RemindersShown(), 0) << "the first check only starts the interval";
  CheckAt(12, 0, 59);
  EXPECT_EQ(RemindersShown(), 0);
  CheckAt(12, 1, 0);
  EXPECT_EQ(RemindersShown(), 1);
  CheckAt(12, 1, 59);
  EXPECT_EQ(RemindersShown(), 1) << "counted from the due decision";
  CheckAt(12, 2, 0);
  EXPECT_EQ(RemindersShown(), 2);
}

TEST_F(Schedule, AnIntervalOfZeroOrLessIsDueAtEveryCheck) {
  for (std::int16_t interval : {std::int16_t{0}, std::int16_t{-1}, std::int16_t{-32767}}) {
    const int before = RemindersShown();
    StoreSettings(WithPassword(Settings(Row(kToday, interval))));
    CheckAt(12, 0, 0);
    CheckAt(12, 0, 0);
    EXPECT_EQ(RemindersShown(), before + 2) << "interval " << interval;
  }
}

TEST_F(Schedule, AClockSetBackMakesItDueAtOnce) {
  StoreSettings(WithPassword(Settings(Row(kToday, 60))));
  CheckAt(12, 0, 0);
  CheckAt(11, 59, 59);
  EXPECT_EQ(RemindersShown(), 1);
  CheckAt(12, 58, 59);
  EXPECT_EQ(RemindersShown(), 1) << "and the interval counts from then";
  CheckAt(12, 59, 59);
  EXPECT_EQ(RemindersShown(), 2);
}

TEST_F(Schedule, TheWindowBoundsAreInclusive) {
  StoreSettings(WithPassword(Settings(Row(kToday, 0, "08:00:00", "16:00:00"))));
  struct Case {
    int h, m, s;
    bool shown;
  };
  for (const Case c : {Case{7, 59, 59, false}, Case{8, 0, 0, true}, Case{16, 0, 0, true}, Case{16, 0, 1, false}}) {
    const int before = RemindersShown();
    CheckAt(c.h, c.m, c.s);
    EXPECT_EQ(RemindersShown() - before, c.shown ? 1 : 0) << frontEnd.now;
  }
}

TEST_F(Schedule, OneBoundAloneLimitsOnlyThatSide) {
  StoreSettings(WithPassword(Settings(Row(kToday, 0, "08:00:00", ""))));
  CheckAt(7, 59, 59);
  CheckAt(23, 59, 59);
  EXPECT_EQ(RemindersShown(), 1) << "only a from-time: no upper bound";

  StoreSettings(WithPassword(Settings(Row(kToday, 0, "", "16:00:00"))));
  CheckAt(0, 0, 0);
  CheckAt(16, 0, 1);
  EXPECT_EQ(RemindersShown(), 2) << "only a to-time: no lower bound";
  EXPECT_EQ(CallTexts("HostNowText").front(), "HostNowText(ptr, 0)");
}

TEST_F(Schedule, AWindowEndingBeforeItStartsNeverLetsAReminderThrough) {
  StoreSettings(WithPassword(Settings(Row(kToday, 0, "22:00:00", "06:00:00"))));
  for (int hour : {23, 3, 12, 22, 6}) CheckAt(hour, 0, 0);
  EXPECT_EQ(RemindersShown(), 0);
}

TEST_F(Schedule, DueOutsideTheWindowWaitsAFullInterval) {
  StoreSettings(WithPassword(Settings(Row(kToday, 10, "08:00:00", "16:00:00"))));
  CheckAt(7, 45, 0);  // starts the interval
  CheckAt(7, 55, 0);  // due, but before the window: the interval starts again
  CheckAt(8, 0, 0);
  CheckAt(8, 4, 59);
  EXPECT_EQ(RemindersShown(), 0);
  CheckAt(8, 5, 0);
  EXPECT_EQ(RemindersShown(), 1);
}

TEST_F(Schedule, RemindersGoOnPast2038) {
  // 2038-01-19 03:14:08 UTC is where a 32-bit clock runs out.
  constexpr std::int64_t k2038 = 0x80000000LL;
  StoreSettings(WithPassword(Settings(Row(kToday, 1))));
  testing_support::SetWallClock(k2038 - 30);
  PressAfterCheckInterval();
  testing_support::SetWallClock(k2038 + 29);
  PressAfterCheckInterval();
  EXPECT_EQ(RemindersShown(), 0) << "59 s across the 2038 boundary";
  testing_support::SetWallClock(k2038 + 30);
  PressAfterCheckInterval();
  EXPECT_EQ(RemindersShown(), 1);

  testing_support::SetWallClock(0x100000000LL + 5 * 365 * 86400LL);  // the 2100s
  PressAfterCheckInterval();
  EXPECT_EQ(RemindersShown(), 2);
  testing_support::SetWallClock(0x100000000LL + 5 * 365 * 86400LL + 59);
  PressAfterCheckInterval();
  EXPECT_EQ(RemindersShown(), 2);
}

}  // namespace
}  // namespace keyhook_test
