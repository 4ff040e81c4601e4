// A reminder falling due in the real talvenor.dll, its clock moved through
// the redirected GetTickCount and _time64.
#include "harness/odd_host_services.h"
#include "reminder/reminder_prompt.h"
#include "story_host.h"
#include "text/texts.h"

namespace e2e {
namespace {

std::vector<standin::ScriptedFrontEnd::Tone> Bursts(int count) {
  std::vector<standin::ScriptedFrontEnd::Tone> tones;
  for (int burst = 0; burst < count; ++burst)
    for (int n = 20; n >= 1; --n) tones.push_back({(n % 5) * 500 + 100, 60, 0});
  return tones;
}

class ReminderStory : public Story {
 protected:
  // Started with the marker in place, the first key pressed and a first
  // check made: the interval counts from that check.
  void StartAndMakeFirstCheck() {
    WriteSettingsFile(DueEveryMinute());
    WriteFileBytes(kMarkerFile, "");
    ASSERT_EQ(Start(0), 0);
    ASSERT_TRUE(frontEnd.messages.empty());

    ticks = 1000;
    EXPECT_EQ(Press(kKey), kKey);
    EXPECT_EQ(Reads(), 0u) << "the first key runs no check";
    ticks = 6000;
    EXPECT_EQ(Press(kKey), kKey);
    EXPECT_EQ(Reads(), 0u) << "5000 ms after is not yet more than 5000 ms";
    ticks = 6001;
    EXPECT_EQ(Press(kKey), kKey);
    EXPECT_EQ(Reads(), 1u) << "5001 ms after the first key: a check, through the redirected GetTickCount";
    EXPECT_TRUE(frontEnd.tones.empty()) << "the interval starts at the first check";
    EXPECT_EQ(host->stateFlags, 0) << "flag 0x8000 restored";
  }

  // One more check, a minute after the last due decision.
  std::uint32_t PressAMinuteLater() {
    seconds += 60;
    ticks += 5001;
    return Press(kKey);
  }

  std::size_t Reads() const {
    std::size_t reads = 0;
    for (const auto& open : CallTexts("HostFileOpen"))
      reads += open.rfind("HostFileOpen(\"infprz.dat\", \"rb\"", 0) == 0;
    return reads;
  }

  // Checks what the reminder dialog is shown with, then types `password`.
  standin::ScriptedFrontEnd::DialogAction TypeInReminder(std::string password) {
    return [this, password](void* templateSet, std::int32_t number, void* buffer) {
      EXPECT_EQ(number, 3);
      EXPECT_TRUE(InPlugin(templateSet)) << "the plug-in's own dialog templates";
      EXPECT_EQ(host->stateFlags & 0x8000, 0x8000) << "held while the dialog is open";
      auto* prompt = static_cast<talvenor::ReminderPrompt*>(buffer);
      EXPECT_EQ(std::string(prompt->text), kReminderText);
      EXPECT_EQ(prompt->enteredPassword[0], '\0');
      SetField(prompt->enteredPassword, password);
      return 1;
    };
  }
};

TEST_F(ReminderStory, DueReminderSoundsShowsItsDialogAndTheRightPasswordSwitchesItOff) {
  StartAndMakeFirstCheck();
  frontEnd.dialogActions.push_back(TypeInReminder("tajne"));

  EXPECT_EQ(PressAMinuteLater(), kKey) << "the key goes on to the host";

  EXPECT_EQ(frontEnd.tones, Bursts(1)) << frontEnd.tones.size() << " tones";
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3}));
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].title, talvenor::text::kNoticeTitle.data());
  EXPECT_EQ(frontEnd.messages[0].text, talvenor::text::kReminderSwitchedOff.data());
  EXPECT_EQ(frontEnd.messages[0].style, 1);
  EXPECT_EQ(host->stateFlags, 0);

  // The file as the plug-in wrote it: the same record, switched off.
  talvenor::ReminderSettings expected = DueEveryMinute();
  expected.enabled = 0;
  EXPECT_EQ(ReadFileBytes(kSettingsFile), SettingsFileBytes(expected));

  // Off stays off.
  PressAMinuteLater();
  PressAMinuteLater();
  EXPECT_EQ(frontEnd.tones.size(), 20u);
  EXPECT_EQ(frontEnd.dialogsRun.size(), 1u);
}

TEST_F(ReminderStory, WrongPasswordBringsASecondBurstSavesNothingAndTheReminderComesAgain) {
  StartAndMakeFirstCheck();
  const std::string stored = ReadFileBytes(kSettingsFile);
  frontEnd.dialogActions.push_back(TypeInReminder("TAJNE"));

  EXPECT_EQ(PressAMinuteLater(), kKey);

  EXPECT_EQ(frontEnd.tones, Bursts(2)) << frontEnd.tones.size() << " tones";
  EXPECT_TRUE(frontEnd.messages.empty());
  for (const auto& open : CallTexts("HostFileOpen"))
    EXPECT_EQ(open.find("\"wb\""), std::string::npos) << "nothing saved: " << open;
  EXPECT_EQ(ReadFileBytes(kSettingsFile), stored);
  EXPECT_EQ(host->stateFlags, 0);

  // Left without a password a minute later: it came again, and stays on.
  EXPECT_EQ(PressAMinuteLater(), kKey);
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 3}));
  EXPECT_EQ(frontEnd.tones.size(), 80u);
  EXPECT_EQ(ReadFileBytes(kSettingsFile), stored);
}

TEST_F(ReminderStory, AnyNonzeroEnabledWordReminds) {
  StartAndMakeFirstCheck();
  for (const std::uint16_t word : {0xFFFF, 0x0100}) {
    talvenor::ReminderSettings settings = DueEveryMinute();
    settings.enabled = static_cast<std::int16_t>(word);
    WriteSettingsFile(settings);
    frontEnd.dialogActions.push_back(TypeInReminder("TAJNE"));  // wrong: it stays on
    PressAMinuteLater();
    EXPECT_EQ(frontEnd.tones.size(), 40u) << "enabled 0x" << std::hex << word;
    frontEnd.tones.clear();
  }
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 3}));
}

// A password ends at its NUL: bytes a damaged file keeps behind the stored
// one and characters the host leaves behind the typed one are no part of it.
TEST_F(ReminderStory, APasswordEndsAtItsNulInTheFileAndInTheDialog) {
  StartAndMakeFirstCheck();
  talvenor::ReminderSettings settings = DueEveryMinute();
  std::memcpy(settings.password, "tajne\0zzzzzzzzzzzzzzz", sizeof settings.password);
  WriteSettingsFile(settings);
  frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
    std::memcpy(static_cast<talvenor::ReminderPrompt*>(buffer)->enteredPassword, "tajne\0old", 10);
    return 1;
  });
  PressAMinuteLater();
  EXPECT_EQ(frontEnd.tones.size(), 20u) << "no second burst";
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].text, talvenor::text::kReminderSwitchedOff.data());
}

// A host whose date fills all 12 bytes of the plug-in's buffer and writes
// no NUL: HostDaysBetween still gets a text that ends inside them.
TEST_F(ReminderStory, AHostDateFillingItsWholeBufferReachesDaysBetweenTerminated) {
  std::uintptr_t* slots = FindServiceSlotRow(plugin, molrav);
  ASSERT_NE(slots, nullptr);
  SetFullBufferToday(frontEnd.today);
  slots[talvenor::HostTodayTextSlot] = reinterpret_cast<std::uintptr_t>(&TodayFillingItsBuffer);
  slots[talvenor::HostDaysBetweenSlot] = reinterpret_cast<std::uintptr_t>(&DaysBetweenNotingDate1);
  StartAndMakeFirstCheck();
  frontEnd.dialogActions.push_back(TypeInReminder("tajne"));
  PressAMinuteLater();
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3})) << "read as today";
  ASSERT_EQ(Date1Lengths().size(), 2u) << "the first check and this one";
  for (const std::size_t length : Date1Lengths()) EXPECT_LE(length, 11u) << "today's text ran past its 12 bytes";
}

}  // namespace
}  // namespace e2e
