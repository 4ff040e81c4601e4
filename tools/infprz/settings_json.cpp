#include "settings_json.h"

#include <cstring>

#include "messages.h"
#include "quoted.h"
#include "settings_fields.h"

namespace infprz {

namespace {

using nlohmann::json;

// A refusal inside row `row` (0: at the top) says which row.
std::string InRow(int row, const std::string& refusal) {
  return row == 0 ? refusal : Say(Msg::kJsonInRow, {std::to_string(row), refusal});
}

std::string KeyName(const char* key) { return std::string("\"") + key + "\""; }

void RefuseUnknownKeys(const json& object, int row, std::initializer_list<const char*> known) {
  for (const auto& item : object.items()) {
    bool isKnown = false;
    for (const char* key : known) isKnown = isKnown || item.key() == key;
    if (isKnown) continue;
    std::string list;
    for (const char* key : known) list += std::string(list.empty() ? "" : ", ") + key;
    throw InvalidInput(InRow(row, Say(Msg::kJsonUnknownKey, {Quoted(item.key()), list})));
  }
}

// The string at `key`, or "" when the key is left out.
std::string StringAt(const json& object, const char* key, int row) {
  if (!object.contains(key)) return {};
  const json& value = object.at(key);
  if (!value.is_string()) throw InvalidInput(InRow(row, Say(Msg::kJsonNotAString, {KeyName(key)})));
  return value.get<std::string>();
}

void ReadRow(ReminderSettings& record, int row, const json& value) {
  if (!value.is_object()) throw InvalidInput(Say(Msg::kJsonRowNotAnObject, {std::to_string(row)}));
  RefuseUnknownKeys(value, row, {"startDate", "intervalMinutes", "from", "to"});
  SetStartDate(record, row, StringAt(value, "startDate", row));
  if (value.contains("intervalMinutes")) {
    const json& minutes = value.at("intervalMinutes");
    if (!minutes.is_number_integer())
      throw InvalidInput(InRow(row, Say(Msg::kJsonNotAWholeNumber, {KeyName("intervalMinutes")})));
    // A number past the signed range would wrap when read as long long.
    if (minutes.is_number_unsigned() &&
        minutes.get<unsigned long long>() > static_cast<unsigned long long>(kIntervalLimit))
      throw InvalidInput(Say(Msg::kIntervalOutOfRange, {std::to_string(row), minutes.dump()}));
    SetInterval(record, row, minutes.get<long long>());
  }
  SetFromTime(record, row, StringAt(value, "from", row));
  SetToTime(record, row, StringAt(value, "to", row));
}

}  // namespace

nlohmann::ordered_json SettingsToJson(const ReminderSettings& record, bool withPassword) {
  nlohmann::ordered_json out;
  out["enabled"] = record.enabled != 0;
  out["text"] = ReadableText(record.text, sizeof record.text);
  out["rows"] = nlohmann::ordered_json::array();
  for (const ReminderSchedule& row : record.schedules) {
    nlohmann::ordered_json item;
    item["startDate"] = ReadableText(row.startDate, sizeof row.startDate);
    item["intervalMinutes"] = static_cast<int>(row.intervalMinutes);  // a copy: the field is unaligned
    item["from"] = ReadableText(row.fromTime, sizeof row.fromTime);
    item["to"] = ReadableText(row.toTime, sizeof row.toTime);
    out["rows"].push_back(item);
  }
  out["passwordSet"] = record.password[0] != '\0';
  if (withPassword) out["password"] = ReadableText(record.password, sizeof record.password);
  return out;
}

ReminderSettings SettingsFromJson(const json& in, const ReminderSettings& current) {
  if (!in.is_object()) throw InvalidInput(Say(Msg::kJsonNotAnObject));
  RefuseUnknownKeys(in, 0, {"enabled", "text", "rows", "passwordSet", "password"});
  ReminderSettings record{};
  if (in.contains("enabled")) {
    if (!in.at("enabled").is_boolean()) throw InvalidInput(Say(Msg::kJsonNotABoolean, {KeyName("enabled")}));
    record.enabled = in.at("enabled").get<bool>() ? 1 : 0;
  }
  SetReminderText(record, StringAt(in, "text", 0), ControlBytes::kKeep);
  if (in.contains("rows")) {
    const json& rows = in.at("rows");
    if (!rows.is_array() || rows.size() > kRows) throw InvalidInput(Say(Msg::kJsonTooManyRows));
    for (std::size_t i = 0; i < rows.size(); ++i) ReadRow(record, static_cast<int>(i) + 1, rows[i]);
  }
  if (in.contains("password"))
    SetPassword(record, StringAt(in, "password", 0), ControlBytes::kKeep);
  else
    std::memcpy(record.password, current.password, sizeof record.password);
  return record;
}

}  // namespace infprz
