#include <cstring>
#include <string>

#include "infprz_run.h"
#include "reminder/reminder_settings.h"
#include "support/test_host.h"

namespace {

using infprz_test::Infprz;

class PluginAndTool : public testing_support::HostTest {};

TEST_F(PluginAndTool, ThePluginLoadsWhatTheToolWrote) {
  ASSERT_EQ(Infprz({"set", "--text", "Zapłać\nteraz", "--password", "hasło", "--on", "--row", "3", "--start-date",
                    "20261209", "--interval", "45", "--from", "07:30:00", "--create"})
                .status,
            0);
  talvenor::ReminderSettings record;
  talvenor::LoadReminderSettings(&record);

  const std::string text = std::string("Zap\x92\x61\x8D") + std::string(54, ' ') + "teraz";  // Mazovia, flowed
  EXPECT_EQ(std::string(record.text), text);
  EXPECT_EQ(std::string(record.password), "has\x92o");
  EXPECT_EQ(static_cast<int>(record.enabled), 1);  // copies: the fields are unaligned
  EXPECT_EQ(std::string(record.schedules[2].startDate), "20261209");
  EXPECT_EQ(static_cast<int>(record.schedules[2].intervalMinutes), 45);
  EXPECT_EQ(std::string(record.schedules[2].fromTime), "07:30:00");
  EXPECT_EQ(std::string(record.schedules[2].toTime), "");
  EXPECT_EQ(record.schedules[0].startDate[0], '\0');
}

TEST_F(PluginAndTool, TheToolReadsWhatThePluginSaved) {
  talvenor::ReminderSettings record{};
  std::strcpy(record.text, "Przypomnienie \x9E\x86");
  std::strcpy(record.schedules[0].startDate, "20270101");
  record.schedules[0].intervalMinutes = -32767;
  std::strcpy(record.schedules[0].toTime, "23:59:59");
  record.enabled = 1;
  ASSERT_EQ(talvenor::SaveReminderSettings(&record), 0);

  const auto shown = Infprz({"show"});
  EXPECT_EQ(shown.err, "");
  EXPECT_NE(shown.out.find("  1 | Przypomnienie śą\n"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("  1    01.01.2027  -32767 min  -         23:59:59\n"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("Reminder:  on\nPassword:  none\n"), std::string::npos);
}

}  // namespace
