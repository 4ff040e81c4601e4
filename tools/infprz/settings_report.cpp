#include "settings_report.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include "contract/code_page_text.h"
#include "contract/date_text.h"
#include "contract/reminder_text.h"
#include "messages.h"
#include "quoted.h"
#include "schedule_check.h"
#include "settings_fields.h"
#include "text_columns.h"
#include "text_fields.h"

namespace infprz {

namespace {

// A damaged file's control bytes must not reach the terminal as commands.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

std::string DateColumn(const ReminderSchedule& row) {
  const std::string stored(StoredText(row.startDate, sizeof row.startDate));
  if (const auto date = talvenor::ParseHostDate(stored.c_str())) return talvenor::DisplayDate(*date);
  return Say(Msg::kNotADate, {InQuotes(Printable(talvenor::text::MazoviaToUtf8(stored)))});
}

std::string TimeColumn(const char* field, std::size_t width) {
  const std::string time = Printable(ReadableText(field, width));
  if (time.empty()) return "-";
  return IsTimeOfDay(time) ? time : Say(Msg::kNotATime, {InQuotes(time)});
}

// The schedule's columns: as wide as their heading and two spaces, and at
// least as wide as a date, an interval and a time.
struct Column {
  Msg heading;
  std::size_t least;
};
constexpr Column kColumns[] = {
    {Msg::kColumnRow, 5}, {Msg::kColumnStartDate, 12}, {Msg::kColumnInterval, 12}, {Msg::kColumnFrom, 10}};

std::string ScheduleTable(const ReminderSettings& record) {
  std::size_t widths[std::size(kColumns)];
  std::string out = "  ";
  for (std::size_t i = 0; i < std::size(kColumns); ++i) {
    const std::string heading = Say(kColumns[i].heading);
    widths[i] = std::max(Columns(heading) + 2, kColumns[i].least);
    out += PadRight(heading, widths[i]);
  }
  out += Say(Msg::kColumnTo) + "\n";
  for (int i = 0; i < 3; ++i) {
    const ReminderSchedule& row = record.schedules[i];
    out += "  " + PadRight(std::to_string(i + 1), widths[0]);
    if (row.startDate[0] == '\0') {
      out += Say(Msg::kRowNotInUse) + "\n";
      continue;
    }
    const std::string interval = Say(Msg::kMinutes, {std::to_string(row.intervalMinutes)});
    out += PadRight(DateColumn(row), widths[1]) + PadRight(interval, widths[2]) +
           PadRight(TimeColumn(row.fromTime, sizeof row.fromTime), widths[3]) +
           TimeColumn(row.toTime, sizeof row.toTime) + "\n";
  }
  return out;
}

}  // namespace

std::string ReadableReport(const ReminderSettings& record, bool showPassword, const std::string& today) {
  const std::string reminderLabel = Say(Msg::kLabelReminder), passwordLabel = Say(Msg::kLabelPassword);
  const std::size_t labels = std::max(Columns(reminderLabel), Columns(passwordLabel)) + 2;
  std::ostringstream out;
  out << PadRight(reminderLabel, labels) << Say(record.enabled != 0 ? Msg::kReminderOn : Msg::kReminderOff) << "\n";
  out << PadRight(passwordLabel, labels);
  if (record.password[0] == '\0')
    out << Say(Msg::kNoPassword) << "\n";
  else if (showPassword)
    out << JsonQuoted(ReadableText(record.password, sizeof record.password)) << "\n";
  else
    out << Say(Msg::kPasswordHidden) << "\n";

  out << Say(Msg::kLabelText) << "\n";
  const auto lines = talvenor::ReminderTextLines(StoredText(record.text, sizeof record.text));
  if (lines.empty()) out << "  " << Say(Msg::kNoText) << "\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = Printable(talvenor::text::MazoviaToUtf8(lines[i]));
    line.erase(line.find_last_not_of(' ') + 1);
    out << "  " << i + 1 << " | " << line << "\n";
  }

  out << Say(Msg::kLabelSchedule) << "\n" << ScheduleTable(record);
  if (const auto todayDate = talvenor::ParseHostDate(today.c_str())) {
    const std::string date = talvenor::DisplayDate(*todayDate);
    if (const auto row = GoverningRow(record, today))
      out << Say(Msg::kTodayRowGoverns, {date, std::to_string(*row)}) << "\n";
    else
      out << Say(Msg::kTodayNoRowGoverns, {date}) << "\n";
  }
  return out.str();
}

}  // namespace infprz
