#include "settings_report.h"

#include "contract/code_page_text.h"
#include "quoted.h"
#include "schedule_check.h"

#include <cstdio>
#include <sstream>

#include "contract/date_text.h"
#include "contract/reminder_text.h"
#include "settings_fields.h"
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
  std::string shown = "\"";  // appended piecewise: GCC 12 warns falsely on a + chain here
  shown += Printable(talvenor::text::MazoviaToUtf8(stored));
  shown += "\" (not a date: the row never governs)";
  return shown;
}

std::string TimeColumn(const char* field, std::size_t width) {
  const std::string time = Printable(ReadableText(field, width));
  if (time.empty()) return "-";
  return IsTimeOfDay(time) ? time : "\"" + time + "\" (not HH:MM:SS)";
}

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace

std::string ReadableReport(const ReminderSettings& record, bool showPassword, const std::string& today) {
  std::ostringstream out;
  out << "Reminder:  " << (record.enabled != 0 ? "on" : "off") << "\n";
  out << "Password:  ";
  if (record.password[0] == '\0')
    out << "none\n";
  else if (showPassword)
    out << Quoted(ReadableText(record.password, sizeof record.password)) << "\n";
  else
    out << "set (--show-password shows it)\n";

  out << "Text:\n";
  const auto lines = talvenor::ReminderTextLines(StoredText(record.text, sizeof record.text));
  if (lines.empty()) out << "  (none)\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = Printable(talvenor::text::MazoviaToUtf8(lines[i]));
    line.erase(line.find_last_not_of(' ') + 1);
    out << "  " << i + 1 << " | " << line << "\n";
  }

  out << "Schedule:\n";
  out << "  row  start date  interval    from      to\n";
  for (int i = 0; i < 3; ++i) {
    const ReminderSchedule& row = record.schedules[i];
    out << "  " << i + 1 << "    ";
    if (row.startDate[0] == '\0') {
      out << "not in use\n";
      continue;
    }
    const std::string date = DateColumn(row);
    out << Padded(date, 12) << Padded(std::to_string(row.intervalMinutes) + " min", 12)
        << Padded(TimeColumn(row.fromTime, sizeof row.fromTime), 10) << TimeColumn(row.toTime, sizeof row.toTime)
        << "\n";
  }
  const auto todayDate = talvenor::ParseHostDate(today.c_str());
  if (todayDate) {
    out << "Today " << talvenor::DisplayDate(*todayDate) << ": ";
    if (const auto row = GoverningRow(record, today))
      out << "row " << *row << " governs\n";
    else
      out << "no row governs (no start date reached)\n";
  }
  return out.str();
}

}  // namespace infprz
