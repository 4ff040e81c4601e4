#include <cstring>
#include <string>

#include "infprz_run.h"
#include "reminder/reminder_settings.h"
#include "support/test_host.h"

namespace {

using infprz_test::Infprz;

class PluginAndTool : public testing_support::HostTest {};

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
