#include "text_fields.h"

#include <cstring>

#include "contract/abi/field_text.h"
#include "messages.h"

namespace infprz {

std::vector<TextField> TextFields(ReminderSettings& record) {
  std::vector<TextField> fields{{Say(Msg::kFieldText), record.text, sizeof record.text}};
  for (int i = 0; i < 3; ++i) {
    ReminderSchedule& row = record.schedules[i];
    const std::string number = std::to_string(i + 1);
    fields.push_back({Say(Msg::kFieldStartDate, {number}), row.startDate, sizeof row.startDate});
    fields.push_back({Say(Msg::kFieldFromTime, {number}), row.fromTime, sizeof row.fromTime});
    fields.push_back({Say(Msg::kFieldToTime, {number}), row.toTime, sizeof row.toTime});
  }
  fields.push_back({Say(Msg::kFieldPassword), record.password, sizeof record.password});
  return fields;
}

std::string_view StoredText(const char* field, std::size_t width) {
  return {field, talvenor::FieldTextLength(field, width)};
}

void StoreText(char* field, std::size_t width, std::string_view mazovia) {
  std::memset(field, 0, width);
  std::memcpy(field, mazovia.data(), mazovia.size() < width ? mazovia.size() : width - 1);
}

}  // namespace infprz
