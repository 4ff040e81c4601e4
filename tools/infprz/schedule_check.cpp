#include "schedule_check.h"

#include "contract/text/date_text.h"
#include "contract/abi/governing_row.h"
#include "contract/text/time_of_day.h"
#include "messages.h"
#include "text_fields.h"

namespace infprz {

namespace {

std::string Field(const char* field, std::size_t width) { return std::string(StoredText(field, width)); }

}  // namespace

std::optional<int> GoverningRow(const ReminderSettings& record, const std::string& today) {
  const int row = talvenor::GoverningRow(record, today.c_str(), talvenor::DaysBetween);
  if (row == talvenor::kNoGoverningRow) return std::nullopt;
  return row + 1;
}

std::vector<std::string> NeverRemindWarnings(const ReminderSettings& record) {
  std::vector<std::string> warnings;
  bool anyStart = false;
  for (int i = 0; i < 3; ++i) {
    const ReminderSchedule& row = record.schedules[i];
    if (row.startDate[0] == '\0') continue;
    anyStart = anyStart || talvenor::ParseHostDate(Field(row.startDate, sizeof row.startDate).c_str()).has_value();
    const auto from = talvenor::ParseTimeOfDay(Field(row.fromTime, sizeof row.fromTime));
    const auto to = talvenor::ParseTimeOfDay(Field(row.toTime, sizeof row.toTime));
    if (from && to && *from > *to)
      warnings.push_back(Say(Msg::kWindowNeverOpens, {std::to_string(i + 1), talvenor::FormatTimeOfDay(*from),
                                                      talvenor::FormatTimeOfDay(*to)}));
  }
  if (record.enabled != 0 && !anyStart) warnings.push_back(Say(Msg::kOnWithoutStartDate));
  return warnings;
}

}  // namespace infprz
