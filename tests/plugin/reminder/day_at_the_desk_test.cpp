// One working day, told as the user lives it: configure at Shift-F10,
// reminders at their interval inside the window, the right password
// switches it off, and it stays off until the configuration switches it on.
#include <cstring>
#include <vector>

#include "support/key_hook_fixture.h"

namespace keyhook_test {
namespace {

class DayAtTheDesk : public KeyHookTest {
 protected:
  std::vector<std::int32_t> Dialogs() {
    std::vector<std::int32_t> run = frontEnd.dialogsRun;
    frontEnd.dialogsRun.clear();
    return run;
  }
  std::size_t Tones() {
    const std::size_t n = frontEnd.tones.size();
    frontEnd.tones.clear();
    return n;
  }
};

TEST_F(DayAtTheDesk, ConfiguredRemindedSwitchedOffAndOnAgain) {
  using Dialog = std::vector<std::int32_t>;
  // 07:30 the host starts; there are no settings yet.
  SetTimeOfDay(7, 30, 0);
  PressAfterCheckInterval();
  EXPECT_EQ(Dialogs(), Dialog{});

  // 07:31 Shift-F10: no password yet, straight into the configuration.
  frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
    auto* settings = static_cast<ReminderSettings*>(buffer);
    std::strcpy(settings->text, "Kopia zapasowa przed wyjsciem");
    settings->schedules[0] = Row(kToday, 120, "08:00:00", "16:00:00");
    std::strcpy(settings->password, "kawa");
    settings->enabled = 1;
    return 1;
  });
  EXPECT_EQ(CheckAt(7, 31, 0, kShiftF10), kConsumed);
  EXPECT_EQ(Dialogs(), Dialog{2});

  // 07:32 the first check that finds the row starts the interval.
  CheckAt(7, 32, 0);
  CheckAt(9, 31, 59);
  EXPECT_EQ(Dialogs(), Dialog{});

  // 09:32 two hours on: tones and the reminder; she closes it unanswered
  // and gets the second burst.
  CheckAt(9, 32, 0);
  EXPECT_EQ(Dialogs(), Dialog{3});
  EXPECT_EQ(Tones(), 40u);
  CheckAt(10, 15, 0);
  EXPECT_EQ(Dialogs(), Dialog{});

  // 11:32 again; this time the password.
  frontEnd.dialogActions.push_back(Type("kawa"));
  CheckAt(11, 32, 0);
  EXPECT_EQ(Dialogs(), Dialog{3});
  EXPECT_EQ(Tones(), 20u);
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(int{StoredSettings().enabled}, 0);

  // The afternoon stays quiet.
  for (int hour : {12, 13, 14, 15}) CheckAt(hour, 32, 0);
  EXPECT_EQ(Dialogs(), Dialog{});
  EXPECT_EQ(Tones(), 0u);

  // 15:40 she switches it on again, behind the password.
  frontEnd.dialogActions.push_back(Type("kawa"));
  frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
    static_cast<ReminderSettings*>(buffer)->enabled = 1;
    return 1;
  });
  CheckAt(15, 40, 0, kShiftF10);
  EXPECT_EQ(Dialogs(), (Dialog{1, 2}));

  // The last due decision was 11:32, so the next check reminds at once,
  // still inside the window.
  CheckAt(15, 41, 0);
  EXPECT_EQ(Dialogs(), Dialog{3});
  // 17:41 due again, but after the window: nothing.
  CheckAt(17, 41, 0);
  EXPECT_EQ(Dialogs(), Dialog{});
  EXPECT_EQ(frontEnd.messages.size(), 1u);
}

}  // namespace
}  // namespace keyhook_test
