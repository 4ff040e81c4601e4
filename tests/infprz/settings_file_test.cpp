#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "harness/settings_file_bytes.h"
#include "infprz/messages.h"
#include "infprz/settings_damage.h"
#include "infprz/settings_file.h"

namespace {

using infprz::DecodeSettingsFile;
using infprz::EncodeSettingsFile;
using infprz::ReminderSettings;

using testing_support::Complemented;
std::string Bytes(const ReminderSettings& record) { return testing_support::RecordBytes(record); }

TEST(SettingsFileCodec, StoresEveryByteComplementedAndReadsItBack) {
  ReminderSettings record{};
  EXPECT_EQ(EncodeSettingsFile(record), std::string(591, '\xFF'));
  record.enabled = 1;
  record.schedules[0].intervalMinutes = -1;
  const std::string file = EncodeSettingsFile(record);
  EXPECT_EQ(file.substr(589, 2), "\xFE\xFF") << "enabled = 1";
  EXPECT_EQ(file.substr(490, 2), std::string(2, '\0')) << "row 1 interval -1";

  for (std::size_t i = 0; i < sizeof record; ++i)
    reinterpret_cast<unsigned char*>(&record)[i] = static_cast<unsigned char>(i * 7);
  EXPECT_EQ(Bytes(DecodeSettingsFile(EncodeSettingsFile(record))), Bytes(record));
}

TEST(SettingsFileCodec, ReadsShortAndLongFilesAsThePluginDoes) {
  EXPECT_EQ(Bytes(DecodeSettingsFile(Complemented("xyz"))), "xyz" + std::string(588, '\0'))
      << "the bytes a short file lacks read as zero";
  EXPECT_EQ(Bytes(DecodeSettingsFile("")), std::string(591, '\0'));
  const std::string record(591, 'r');
  EXPECT_EQ(Bytes(DecodeSettingsFile(Complemented(record + "tail"))), record) << "only the first 591 bytes count";
}

TEST(SettingsDamage, NamesEachFaultAndASoundRecordHasNone) {
  ReminderSettings record{};
  std::strcpy(record.password, "abc");
  EXPECT_TRUE(infprz::FindDamage(591, record).empty());

  std::memset(record.text, 'A', sizeof record.text);           // no NUL at all
  std::memcpy(record.password, "abc\0old", 7);                 // remnant of an older password
  std::memcpy(record.schedules[2].toTime, "12:00:00\x01", 9);  // no NUL
  const auto damage = infprz::FindDamage(600, record);
  ASSERT_EQ(damage.size(), 4u);
  EXPECT_EQ(damage[0], "the file is 600 bytes, not 591: only the first 591 count");
  EXPECT_EQ(damage[1], "the text has no terminating NUL: only its first 480 bytes count");
  EXPECT_EQ(damage[2], "row 3: to time has no terminating NUL: only its first 8 bytes count");
  EXPECT_EQ(damage[3], "the password has 3 nonzero bytes after its end");
  EXPECT_EQ(infprz::FindDamage(10, ReminderSettings{}),
            std::vector<std::string>{"the file is 10 bytes, not 591: the missing 581 bytes read as zeros"});

  infprz::UseLanguage(infprz::Language::kPolish);
  const auto polish = infprz::FindDamage(600, record);
  infprz::UseLanguage(infprz::Language::kEnglish);
  EXPECT_EQ(polish, (std::vector<std::string>{"plik ma 600 bajtów, a nie 591: liczy się tylko pierwsze 591",
                                              "tekst nie ma kończącego bajtu NUL: liczy się tylko pierwsze 480 bajtów",
                                              "wiersz 3: godzina do nie ma kończącego bajtu NUL: liczy się tylko "
                                              "pierwsze 8 bajtów",
                                              "hasło ma za swoim końcem 3 niezerowe bajty"}));
}

TEST(SettingsDamage, RepairKeepsWhatReadersSeeAndClearsTheRest) {
  ReminderSettings record{};
  std::memset(record.text, 'A', sizeof record.text);
  std::memcpy(record.password, "abc\0old", 7);
  std::memcpy(record.schedules[1].startDate, "20260101", 9);
  record.schedules[1].intervalMinutes = 0x4141;
  record.enabled = 7;
  ReminderSettings expected = record;
  expected.text[480] = '\0';
  std::memset(expected.password + 3, 0, sizeof expected.password - 3);

  infprz::RepairSettings(record);
  EXPECT_EQ(Bytes(record), Bytes(expected));
  EXPECT_TRUE(infprz::FindDamage(591, record).empty());
}

}  // namespace
