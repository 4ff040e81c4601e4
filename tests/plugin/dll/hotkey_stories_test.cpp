// Shift-F10 in the real talvenor.dll: the configuration without a
// password, and a wrong password. The right one is the matrix's day.
#include "story_host.h"
#include "text/texts.h"

namespace e2e {
namespace {

using talvenor::ReminderSettings;

ReminderSettings Protected() {
  ReminderSettings settings{};
  SetField(settings.text, "Backup!");
  SetField(settings.schedules[1].startDate, "20260101");
  settings.schedules[1].intervalMinutes = 30;
  SetField(settings.password, "tajne");
  return settings;
}

using HotkeyStory = Story;

TEST_F(HotkeyStory, WithoutSettingsShiftF10OpensTheConfigurationAtOnceAndSavesIt) {
  WriteFileBytes(kMarkerFile, "");
  ASSERT_EQ(Start(0), 0);
  ASSERT_FALSE(FileExists(kSettingsFile));
  ReminderSettings edited{};
  frontEnd.dialogActions.push_back([&](void*, std::int32_t number, void* buffer) {
    EXPECT_EQ(number, 2);
    auto* settings = static_cast<ReminderSettings*>(buffer);
    EXPECT_EQ(SettingsFileBytes(*settings), SettingsFileBytes(ReminderSettings{})) << "no file reads as all zeros";
    EXPECT_EQ(Press(kShiftF10), kShiftF10) << "inside the plug-in's dialog the key goes back to the host";
    SetField(settings->text, "Przerwa");
    SetField(settings->schedules[0].startDate, "20261201");
    settings->schedules[0].intervalMinutes = 90;
    SetField(settings->password, "nowe");
    settings->enabled = 1;
    edited = *settings;
    return 1;
  });

  EXPECT_EQ(Press(kShiftF10), kConsumed);

  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{2})) << "no password dialog, no nested configuration";
  EXPECT_TRUE(frontEnd.messages.empty());
  EXPECT_EQ(ReadFileBytes(kSettingsFile), SettingsFileBytes(edited));
  EXPECT_EQ(host->stateFlags, 0);
}

TEST_F(HotkeyStory, WrongPasswordSaysSoAndKeepsTheConfigurationClosed) {
  WriteSettingsFile(Protected());
  WriteFileBytes(kMarkerFile, "");
  ASSERT_EQ(Start(0), 0);
  frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
    std::memcpy(buffer, "tajn", 5);
    return 1;
  });

  EXPECT_EQ(Press(kShiftF10), kConsumed);

  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{1}));
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].title, talvenor::text::kNoticeTitle.data());
  EXPECT_EQ(frontEnd.messages[0].text, talvenor::text::kWrongPassword.data());
  EXPECT_EQ(frontEnd.messages[0].style, 1);
  EXPECT_EQ(ReadFileBytes(kSettingsFile), SettingsFileBytes(Protected())) << "written back as it was";
  const std::vector<std::string> opens = CallTexts("HostFileOpen");
  ASSERT_GE(opens.size(), 2u);
  EXPECT_EQ(opens[opens.size() - 2].rfind("HostFileOpen(\"infprz.dat\", \"wb\"", 0), 0u) << "written back";
  EXPECT_EQ(opens.back().rfind("HostFileOpen(\"infprz.dat\", \"rb\"", 0), 0u) << "and read back";
  EXPECT_EQ(host->stateFlags, 0);
}

// A password ends at its NUL, in the file and in the password dialog.
TEST_F(HotkeyStory, APasswordEndsAtItsNulInTheFileAndInTheDialog) {
  ReminderSettings stored = Protected();
  std::memcpy(stored.password, "tajne\0zzzzzzzzzzzzzzz", sizeof stored.password);
  WriteSettingsFile(stored);
  WriteFileBytes(kMarkerFile, "");
  ASSERT_EQ(Start(0), 0);
  frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
    std::memcpy(buffer, "tajne\0old", 10);
    return 1;
  });

  EXPECT_EQ(Press(kShiftF10), kConsumed);

  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{1, 2}));
  EXPECT_TRUE(frontEnd.messages.empty());
}

}  // namespace
}  // namespace e2e
