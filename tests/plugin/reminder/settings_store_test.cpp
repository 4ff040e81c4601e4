#include <cstring>
#include <optional>

#include "reminder/reminder_settings.h"
#include "support/test_host.h"

namespace {

using namespace talvenor;
using namespace testing_support;

class SettingsStore : public testing_support::HostTest {
 protected:
  static ReminderSettings Garbage() {
    ReminderSettings record;
    std::memset(&record, 0xAA, sizeof record);
    return record;
  }
};

// What a load makes of the file: its first 591 bytes, zero where it has none.
TEST_F(SettingsStore, LoadReadsTheFileOrZeros) {
  const std::string opened = "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)";
  const std::vector<std::string> readCalls = {opened, "HostFileRead(ptr, 591, 1, ptr)", "HostFileClose(ptr)"};
  std::string pattern(600, '\0');
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<char>(i % 251);
  const struct {
    const char* what;
    std::optional<std::string> file;  // none: no file at all
    std::string record;
  } cases[] = {
      {"a missing file", std::nullopt, std::string(591, '\0')},
      {"an empty file, as a missing one", "", std::string(591, '\0')},
      {"a file of all ones", std::string(591, '\xFF'), std::string(591, '\0')},
      {"a short file", Complemented(std::string(10, 'x')), std::string(10, 'x') + std::string(581, '\0')},
      {"a long file", Complemented(pattern), pattern.substr(0, 591)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove("infprz.dat");
    if (c.file) WriteFileBytes("infprz.dat", *c.file);
    testing_support::Host().calls.clear();
    ReminderSettings record = Garbage();
    EXPECT_EQ(LoadReminderSettings(&record), c.file ? 0 : -1);
    EXPECT_EQ(RecordBytes(record), c.record);
    EXPECT_EQ(CallTexts(), c.file ? readCalls : std::vector<std::string>{opened})
        << "nothing may be read or closed through a null file";
  }
}

TEST_F(SettingsStore, EveryByteIsStoredComplementedAndALongFileTrimmed) {
  WriteFileBytes("infprz.dat", std::string(600, '\xFF'));
  ReminderSettings record{};
  EXPECT_EQ(SaveReminderSettings(&record), talvenor::kSaved);
  EXPECT_EQ(ReadFileBytes("infprz.dat"), std::string(591, '\xFF'));

  record.enabled = 1;
  record.schedules[0].intervalMinutes = -1;
  std::memcpy(record.password, "abc", 4);
  SaveReminderSettings(&record);
  const std::string file = ReadFileBytes("infprz.dat");
  ASSERT_EQ(file.size(), 591u);
  EXPECT_EQ(file.substr(589, 2), "\xFE\xFF") << "enabled = 1";
  EXPECT_EQ(file.substr(490, 2), std::string(2, '\0')) << "intervalMinutes = -1";
  EXPECT_EQ(file.substr(568, 4), "\x9E\x9D\x9C\xFF") << "password \"abc\"";
}

TEST_F(SettingsStore, SaveThenLoadGivesTheSameBytesAndLeavesTheRecordAlone) {
  ReminderSettings record;
  for (std::size_t i = 0; i < sizeof record; ++i) reinterpret_cast<unsigned char*>(&record)[i] = static_cast<unsigned char>(i * 7);
  const std::string before = RecordBytes(record);
  SaveReminderSettings(&record);
  EXPECT_EQ(RecordBytes(record), before) << "the save must only read the caller's record";
  ReminderSettings loaded = Garbage();
  LoadReminderSettings(&loaded);
  EXPECT_EQ(RecordBytes(loaded), before);
}

TEST_F(SettingsStore, SaveThatCannotOpenWritesNothingAndSaysSo) {
  std::filesystem::create_directory("infprz.dat");
  ReminderSettings record{};
  record.enabled = 1;
  EXPECT_EQ(SaveReminderSettings(&record), talvenor::kSaveNotOpened);
  EXPECT_EQ(CallTexts(), (std::vector<std::string>{"HostFileOpen(\"infprz.dat\", \"wb\", 64, 0, -1)"}))
      << "no write, close or read-back through a null file";
}

}  // namespace
