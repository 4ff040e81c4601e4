// A due reminder: its tones, its dialog, the password that switches it off,
// and the host's state flag around all of it.
#include <cstring>
#include <vector>

#include "reminder/dialog_templates.h"
#include "support/key_hook_fixture.h"

namespace keyhook_test {
namespace {

class ReminderDialog : public KeyHookTest {
 protected:
  void SetUp() override {
    KeyHookTest::SetUp();
    StoreSettings(Settings(Row(kToday, 0), "tajne"));
  }
  std::vector<std::int32_t> Frequencies() const {
    std::vector<std::int32_t> frequencies;
    for (const auto& tone : frontEnd.tones) {
      EXPECT_EQ(tone.duration, 60);
      EXPECT_EQ(tone.flags, 0);
      frequencies.push_back(tone.frequency);
    }
    return frequencies;
  }
  static std::vector<std::int32_t> Burst(int times = 1) {
    std::vector<std::int32_t> burst;
    for (int i = 0; i < 4 * times; ++i) burst.insert(burst.end(), {100, 2100, 1600, 1100, 600});
    return burst;
  }
};

TEST_F(ReminderDialog, TwentyTonesThenTheDialogOverAFreshPrompt) {
  ReminderSettings record = Settings(Row(kToday, 0), "tajne");
  std::memset(record.text, 'x', 100);  // longer than the text the prompt gets
  std::memcpy(record.text, "Zadzwo\xA4 do biura", 17);
  StoreSettings(record);

  std::string promptSeen;
  std::size_t tonesBeforeDialog = 0;
  frontEnd.dialogActions.push_back([&](void* set, std::int32_t number, void* buffer) {
    EXPECT_EQ(set, static_cast<void*>(talvenor::DialogTemplateSet));
    EXPECT_EQ(number, 3);
    promptSeen.assign(static_cast<const char*>(buffer), sizeof(ReminderPrompt));
    tonesBeforeDialog = frontEnd.tones.size();
    return Type("tajne")(set, number, buffer);
  });
  PressAfterCheckInterval();

  EXPECT_EQ(tonesBeforeDialog, 20u);
  EXPECT_EQ(Frequencies(), Burst());
  std::string expected(502, '\0');
  expected.replace(0, 16, "Zadzwo\xA4 do biura");
  EXPECT_EQ(promptSeen, expected) << "the text with its terminator, everything else zero";
  EXPECT_EQ(CallTexts("HostRunDialog"), std::vector<std::string>{"HostRunDialog(ptr, 3, ptr, 0, 0)"});
}

// Switched on again behind the password: DayAtTheDesk.
TEST_F(ReminderDialog, TheRightPasswordSwitchesItOffAndItStaysOff) {
  const std::string before = StoredBytes();
  frontEnd.dialogActions.push_back(Type("tajne"));
  PressAfterCheckInterval();

  EXPECT_EQ(Notices(), std::vector<std::string>{"Przypomnienie wy\x92\x86" "czono"}) << "Mazovia bytes";
  std::string expected = before;
  expected[589] = '\xFF';  // enabled 0, complemented
  expected[590] = '\xFF';
  EXPECT_EQ(StoredBytes(), expected) << "only enabled changes";
  EXPECT_EQ(Frequencies(), Burst()) << "no second burst";

  for (int i = 0; i < 3; ++i) PressAfterCheckInterval();
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3}) << "it stays off";
}

TEST_F(ReminderDialog, AWrongPasswordBringsTheSecondBurstAndKeepsItOn) {
  const std::string before = StoredBytes();
  frontEnd.dialogActions.push_back(Type("tajna"));
  PressAfterCheckInterval();
  EXPECT_EQ(Frequencies(), Burst(2));
  EXPECT_TRUE(frontEnd.messages.empty());
  EXPECT_EQ(StoredBytes(), before);
  EXPECT_EQ(CallTexts("HostFileOpen").size(), 1u) << "nothing is saved";

  frontEnd.dialogActions.push_back(Leave());
  PressAfterCheckInterval();
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 3})) << "leaving the dialog is an empty password";
  EXPECT_EQ(Frequencies(), Burst(4));
}

TEST_F(ReminderDialog, AStateFlagAlreadySetIsNeitherSetNorCleared) {
  StoreSettings(Settings(Row(kToday, 0)));
  Host().stateFlags = 0x8000;
  PressAfterCheckInterval(kShiftF10);  // the check and the configuration
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 2}));
  EXPECT_EQ(Calls("HostSetStateFlag"), 0);
  EXPECT_EQ(Host().stateFlags, 0x8000);
}

// The host's state flag is held through the check and again through the
// configuration, with the host's other flags left alone.
TEST_F(ReminderDialog, ShiftF10WithADueReminderRunsTheReminderFirst) {
  std::vector<std::uint16_t> flagsInDialogs;
  const auto noting = [&](DialogAction action) {
    return [&flagsInDialogs, action](void* set, std::int32_t number, void* buffer) {
      flagsInDialogs.push_back(Host().stateFlags);
      return action(set, number, buffer);
    };
  };
  frontEnd.dialogActions.push_back(noting(Type("zle")));    // reminder: wrong password
  frontEnd.dialogActions.push_back(noting(Type("tajne")));  // configuration's password
  frontEnd.dialogActions.push_back(noting(Confirm()));
  Host().stateFlags = 0x0101;
  EXPECT_EQ(PressAfterCheckInterval(kShiftF10), kConsumed);
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 1, 2}));
  EXPECT_EQ(Frequencies(), Burst(2));
  EXPECT_EQ(flagsInDialogs, (std::vector<std::uint16_t>{0x8101, 0x8101, 0x8101}));
  EXPECT_EQ(Host().stateFlags, 0x0101);

  std::vector<std::string> flagCalls;
  for (const std::string& call : CallTexts())
    if (call.rfind("HostSetStateFlag", 0) == 0 || call.rfind("HostRunDialog", 0) == 0) flagCalls.push_back(call);
  EXPECT_EQ(flagCalls, (std::vector<std::string>{
                           "HostSetStateFlag(0x8000, 1)", "HostRunDialog(ptr, 3, ptr, 0, 0)",
                           "HostSetStateFlag(0x8000, 0)", "HostSetStateFlag(0x8000, 1)",
                           "HostRunDialog(ptr, 1, ptr, 0, 0)", "HostRunDialog(ptr, 2, ptr, 0, 0)",
                           "HostSetStateFlag(0x8000, 0)"}))
      << "the check is over, state flag restored, before the configuration begins";
}

}  // namespace
}  // namespace keyhook_test
