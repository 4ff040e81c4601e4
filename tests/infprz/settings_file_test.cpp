#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "harness/settings_file_bytes.h"
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

}  // namespace
