// Settings that cannot be trusted: a damaged file whose texts lack their
// NULs, a file that exists but cannot be read, a save that cannot open the
// file, and host services that leave their buffers alone.
#include <cstring>
#include <vector>

#include "harness/odd_host_services.h"
#include "harness/refused_open.h"
#include "reminder/time_text.h"
#include "shell/service_slots.h"
#include "support/key_hook_fixture.h"
#include "text/texts.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace keyhook_test {
namespace {

using talvenor::TimeTextDiff;

TEST(TimeText, ReadsAtoiAtOffsetsZeroThreeAndSixNeitherOverflowingNorRunningOn) {
  EXPECT_EQ(TimeTextDiff("16:00:00", "08:00:00"), 8 * 3600);
  EXPECT_EQ(TimeTextDiff("07:59:59", "08:00:00"), -1);
  EXPECT_EQ(TimeTextDiff("8", ""), 8 * 3600) << "short texts end at their NUL";
  EXPECT_EQ(TimeTextDiff("ab:cd:ef", "00:00:00"), 0) << "nothing checked";
  EXPECT_EQ(TimeTextDiff("99999999", "00:00:00"), 99999999LL * 3600 + 99999LL * 60 + 99)
      << "beyond 32 bits, not wrapped round to a negative number";
  EXPECT_LT(TimeTextDiff("00:00:00", "99999999"), 0);
  // A 9-byte field without its NUL, and the next field behind it.
  const char fields[] = "12:00:00" "7" "45:00:00";
  EXPECT_EQ(TimeTextDiff(fields, "12:00:00"), 0) << "read as 12:00:00, not with 745 seconds";
}

class DamagedSettings : public KeyHookTest {
 protected:
  // A record without a single NUL byte: every text runs to the end of its
  // field. Row 0 starts on 1 December, is due at every check and has the
  // window 08:00:00 to 16:00:00; rows 1 and 2 hold no date.
  static ReminderSettings NoNulAnywhere() {
    ReminderSettings record;
    std::memset(&record, '9', sizeof record);
    std::memset(record.text, 'T', sizeof record.text);
    ReminderSchedule& row = record.schedules[0];
    std::memcpy(row.startDate, "202612015", 9);
    row.intervalMinutes = -1;  // 0xFFFF
    std::memcpy(row.fromTime, "08:00:009", 9);
    std::memcpy(row.toTime, "16:00:009", 9);
    std::memset(record.password, 'p', sizeof record.password);
    return record;
  }
};

TEST_F(DamagedSettings, EveryTextEndsAtTheLastByteOfItsField) {
  const ReminderSettings record = NoNulAnywhere();
  ASSERT_EQ(std::memchr(&record, 0, sizeof record), nullptr);
  StoreSettings(record);
  CheckAt(7, 59, 59);
  CheckAt(16, 0, 1);
  CheckAt(16, 0, 0);  // the reminder, left without a word
  ASSERT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3}) << "the window is read within its fields";

  ForgetCalls();
  std::string promptText;
  frontEnd.dialogActions.push_back([&](void* set, std::int32_t number, void* buffer) {
    promptText.assign(static_cast<const char*>(buffer), 481);
    return Type(std::string(20, 'p'))(set, number, buffer);
  });
  CheckAt(8, 0, 0);

  EXPECT_EQ(CallTexts("HostDaysBetween"),
            (std::vector<std::string>{"HostDaysBetween(\"20261209\", \"20261201\")",
                                      "HostDaysBetween(\"20261209\", \"99999999\")",
                                      "HostDaysBetween(\"20261209\", \"99999999\")"}))
      << "start dates cut at 8 characters";
  ASSERT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 3}))
      << "08:00:00 is inside the window 08:00:00 to 16:00:00";
  EXPECT_EQ(promptText, std::string(480, 'T') + '\0') << "the prompt's text ends at its last byte";
  EXPECT_EQ(int{StoredSettings().enabled}, 0) << "the 20 characters that fit are the password";
  EXPECT_EQ(Notices(), std::vector<std::string>{talvenor::text::kReminderSwitchedOff.data()});
}

TEST_F(DamagedSettings, APasswordFilling21BytesIsMatchedByItsFirst20) {
  ReminderSettings record = Settings(Row(kToday, 30));
  std::memset(record.password, 'p', sizeof record.password);
  StoreSettings(record);
  for (const DialogAction& wrong : {Type(std::string(19, 'p')), Type(std::string(19, 'p') + 'q')}) {
    frontEnd.dialogActions.push_back(wrong);
    Press(kShiftF10);
  }
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{1, 1}));
  frontEnd.dialogActions.push_back(Type(std::string(20, 'p')));
  Press(kShiftF10);
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{1, 1, 1, 2}));
}

// A password is its text up to the NUL: bytes a damaged file keeps behind
// the stored one, and characters a host leaves behind the one typed, are
// no part of it. Each case at Shift-F10, then in the reminder dialog.
TEST_F(DamagedSettings, APasswordEndsAtItsNulInTheFileAndInTheDialog) {
  using namespace std::string_literals;
  const struct {
    std::string stored, typed;
    bool right;
  } cases[] = {
      {"tajne\0zzzzzzzzzzzzzzz"s, "tajne", true},
      {"tajne", "tajne\0old"s, true},
      {"tajne\0zz"s, "tajne\0old"s, true},
      {"tajne\0zz"s, "tajn\0e"s, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.stored) + " typed " + testing::PrintToString(c.typed));
    StoreSettings(Settings(Row(kToday, 0), c.stored));
    frontEnd.dialogsRun.clear();
    frontEnd.dialogActions.push_back(Type(c.typed));
    Press(kShiftF10);
    EXPECT_EQ(frontEnd.dialogsRun, (c.right ? std::vector<std::int32_t>{1, 2} : std::vector<std::int32_t>{1}));
    frontEnd.dialogActions.push_back(Type(c.typed));
    CheckAt(12, 0, 0);  // due at every check
    EXPECT_EQ(int{StoredSettings().enabled}, c.right ? 0 : 1);
  }
}

// Host services that write nothing, as the binding's fallbacks do.
std::int32_t TALVENOR_CALLEE_POPS WritesNoDate(char*) { return 0; }
std::int32_t TALVENOR_CALLEE_POPS WritesNoTime(char*, std::int32_t) { return 0; }

// Leaves date and time texts in the stack below the caller, where the hook's
// buffers will lie.
[[gnu::noinline]] void LitterTheStack() {
  volatile char litter[8192];
  for (std::size_t i = 0; i < sizeof litter; ++i) litter[i] = "20261201" "12:00:00"[i % 16];
}

TEST_F(DamagedSettings, AHostServiceThatWritesNothingLeavesAnEmptyText) {
  serviceSlots[talvenor::HostTodayTextSlot] = reinterpret_cast<void*>(&WritesNoDate);
  StoreSettings(Settings(Row(kToday, 0)));
  LitterTheStack();
  CheckAt(12, 0, 0);
  EXPECT_EQ(CallTexts("HostDaysBetween").at(0), "HostDaysBetween(\"\", \"20261209\")");
  EXPECT_TRUE(frontEnd.dialogsRun.empty());

  testing_support::BindAllServices();
  serviceSlots[talvenor::HostNowTextSlot] = reinterpret_cast<void*>(&WritesNoTime);
  StoreSettings(Settings(Row(kToday, 0, "00:00:00", "00:00:00")));
  LitterTheStack();
  CheckAt(12, 0, 0);
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3}) << "no time text reads as 00:00:00";
  testing_support::BindAllServices();
}

// A host whose date fills all 12 bytes of the plug-in's buffer and writes
// no NUL: HostDaysBetween still gets a text that ends inside them.
TEST_F(DamagedSettings, AHostDateFillingItsWholeBufferReachesDaysBetweenTerminated) {
  testing_support::SetFullBufferToday(kToday);
  testing_support::Date1Lengths().clear();
  serviceSlots[talvenor::HostTodayTextSlot] = reinterpret_cast<void*>(&testing_support::TodayFillingItsBuffer);
  serviceSlots[talvenor::HostDaysBetweenSlot] = reinterpret_cast<void*>(&testing_support::DaysBetweenNotingDate1);
  StoreSettings(Settings(Row(kToday, 0)));
  LitterTheStack();
  CheckAt(12, 0, 0);
  ASSERT_EQ(testing_support::Date1Lengths().size(), 1u);
  EXPECT_LE(testing_support::Date1Lengths()[0], 11u) << "today's text ran past its 12 bytes";
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3}) << "and was read as today";
  testing_support::BindAllServices();
}

const std::string kUnreadable = talvenor::text::kSettingsUnreadable.data();

class UnreadableSettings : public KeyHookTest {};

TEST_F(UnreadableSettings, SettingsThatExistButCannotBeReadAreNotOverwritten) {
  StoreSettings(Settings(Row(kToday, 30), "kawa"));
  const std::string before = StoredBytes();
  RefuseFileOpens("rb");
  EXPECT_EQ(Press(kShiftF10), kConsumed) << "the key is consumed all the same";
  EXPECT_EQ(testing_support::RefusedFileOpens(), 1);
  EXPECT_TRUE(frontEnd.dialogsRun.empty()) << "no dialog over an empty record without the password";
  EXPECT_EQ(Calls("HostFileOpen"), 0) << "no save";
  EXPECT_EQ(Notices(), std::vector<std::string>{kUnreadable}) << "but the user hears why nothing opened";
  EXPECT_EQ(StoredBytes(), before);
  EXPECT_EQ(CallTexts("HostSetStateFlag"),
            (std::vector<std::string>{"HostSetStateFlag(0x8000, 1)", "HostSetStateFlag(0x8000, 0)"}));

  testing_support::BindAllServices();  // readable again
  frontEnd.dialogActions.push_back(Type("kawa"));
  Press(kShiftF10);
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{1, 2})) << "and Shift-F10 works again";
}

#if defined(_WIN32)
// The real thing under Windows: the file locked by another program, or a
// directory in its place.
TEST_F(UnreadableSettings, ALockedFileOrADirectoryIsLeftAlone) {
  StoreSettings(Settings(Row(kToday, 30), "kawa"));
  const std::string before = StoredBytes();
  HANDLE lock = CreateFileA("infprz.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Press(kShiftF10), kConsumed);
  CloseHandle(lock);
  EXPECT_EQ(StoredBytes(), before);

  std::filesystem::remove("infprz.dat");
  ASSERT_TRUE(std::filesystem::create_directory("infprz.dat"));
  EXPECT_EQ(Press(kShiftF10), kConsumed);
  EXPECT_TRUE(frontEnd.dialogsRun.empty());
  EXPECT_EQ(CallTexts("HostFileOpen"), std::vector<std::string>(2, "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)"));
  EXPECT_EQ(Notices(), std::vector<std::string>(2, kUnreadable));
}

TEST_F(UnreadableSettings, AFileAnotherProgramKeepsFromWritingIsToldToStayOn) {
  StoreSettings(Settings(Row(kToday, 0)));
  HANDLE reader = CreateFileA("infprz.dat", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  CheckAt(12, 0, 0);  // due; the empty password is right, the save cannot open the file
  CloseHandle(reader);
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3});
  EXPECT_EQ(Notices(), std::vector<std::string>{talvenor::text::kReminderStaysOn.data()});
  EXPECT_EQ(int{StoredSettings().enabled}, 1);
}
#endif

}  // namespace
}  // namespace keyhook_test
