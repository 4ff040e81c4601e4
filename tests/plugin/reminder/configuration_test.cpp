// Shift-F10: the password dialog when a password is set, the configuration
// dialog over the stored record, and the save on every path.
#include <cstring>
#include <vector>

#include "support/key_hook_fixture.h"
#include "text/texts.h"

namespace keyhook_test {
namespace {

class Configuration : public KeyHookTest {};

TEST_F(Configuration, WithoutASettingsFileTheDialogOpensAtOnceAndTheSaveCreatesIt) {
  std::string bufferSeen;
  frontEnd.dialogActions.push_back([&](void*, std::int32_t, void* buffer) {
    bufferSeen.assign(static_cast<const char*>(buffer), sizeof(ReminderSettings));
    *static_cast<ReminderSettings*>(buffer) = Settings(Row(kToday, 30, "08:00:00", ""), "kawa");
    return 0;  // left with Esc: saved all the same
  });
  EXPECT_EQ(Press(kShiftF10), kConsumed);

  EXPECT_EQ(bufferSeen, std::string(591, '\0')) << "the empty configuration";
  EXPECT_EQ(CallTexts(), (std::vector<std::string>{
                             "HostGetStateFlags()",
                             "HostSetStateFlag(0x8000, 1)",
                             "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)",
                             "HostRunDialog(ptr, 2, ptr, 0, 0)",
                             "HostFileOpen(\"infprz.dat\", \"wb\", 64, 0, -1)",
                             "HostFileWrite(ptr, 591, 1, ptr)",
                             "HostFileClose(ptr)",
                             "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)",
                             "HostFileRead(ptr, 591, 1, ptr)",
                             "HostFileClose(ptr)",
                             "HostSetStateFlag(0x8000, 0)",
                         }));
  const ReminderSettings expected = Settings(Row(kToday, 30, "08:00:00", ""), "kawa");
  EXPECT_EQ(RecordBytes(StoredSettings()), RecordBytes(expected));
}

TEST_F(Configuration, TheRightPasswordOpensTheDialogOverTheStoredRecord) {
  ReminderSettings stored = Settings(Row(kToday, 30), "kawa");
  StoreSettings(stored);
  std::string passwordBuffer;
  std::string settingsBuffer;
  frontEnd.dialogActions.push_back([&](void* set, std::int32_t number, void* buffer) {
    passwordBuffer.assign(static_cast<const char*>(buffer), 21);
    return Type("kawa")(set, number, buffer);
  });
  frontEnd.dialogActions.push_back([&](void*, std::int32_t, void* buffer) {
    settingsBuffer.assign(static_cast<const char*>(buffer), sizeof(ReminderSettings));
    static_cast<ReminderSettings*>(buffer)->schedules[0].intervalMinutes = 45;
    return 1;
  });
  EXPECT_EQ(Press(kShiftF10), kConsumed);

  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(passwordBuffer, std::string(21, '\0')) << "the password dialog starts empty";
  EXPECT_EQ(settingsBuffer, RecordBytes(stored));
  EXPECT_EQ(int{StoredSettings().schedules[0].intervalMinutes}, 45);
  EXPECT_TRUE(frontEnd.messages.empty());
}

TEST_F(Configuration, AWrongPasswordShowsTheNoticeAndWritesTheFileBackUnchanged) {
  StoreSettings(Settings(Row(kToday, 30), "kawa"));
  const std::string before = StoredBytes();
  for (const DialogAction& action : {Type("herbata"), Leave(), Type("kaw"), Type("kawa ")}) {
    frontEnd.dialogActions.push_back(action);
    frontEnd.dialogsRun.clear();
    frontEnd.messages.clear();
    ForgetCalls();
    EXPECT_EQ(Press(kShiftF10), kConsumed);
    EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{1}) << "no configuration dialog";
    EXPECT_EQ(Notices(), std::vector<std::string>{talvenor::text::kWrongPassword.data()});
    EXPECT_EQ(Calls("HostFileWrite"), 1) << "saved (its calls: the failure table's wrong-password rows)";
    EXPECT_EQ(StoredBytes(), before) << "with the content it had";
  }
}

TEST_F(Configuration, ShiftF10LeavesTheCheckTimingAlone) {
  StoreSettings(Settings(Row(kToday, 0)));
  SetTicks(ticks + 4000);
  Press(kShiftF10);
  ForgetCalls();
  SetTicks(ticks + 1001);  // 5001 after the last check, 1001 after Shift-F10
  Press();
  EXPECT_EQ(ChecksRun(), 1);
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{2, 3}));
}

}  // namespace
}  // namespace keyhook_test
