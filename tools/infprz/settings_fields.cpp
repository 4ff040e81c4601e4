#include "settings_fields.h"

#include <regex>

#include "contract/code_page_text.h"
#include "messages.h"
#include "quoted.h"

#include "contract/date_text.h"
#include "contract/time_of_day.h"
#include "contract/reminder_text.h"
#include "contract/mazovia.h"
#include "text_fields.h"

namespace infprz {

namespace {

std::string Hex(char32_t cp) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

// Throws naming the first character the host's code page cannot hold.
std::string ToMazovia(const std::string& what, std::string_view utf8) {
  if (auto mazovia = talvenor::text::Utf8ToMazovia(utf8)) return *mazovia;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const char32_t cp = talvenor::text::DecodeUtf8(utf8.data(), utf8.size(), i);
    if (cp == talvenor::text::kBadUtf8) throw InvalidInput(Say(Msg::kNotUtf8, {what, std::to_string(start + 1)}));
    if (talvenor::text::MazoviaByte(cp) < 0)
      throw InvalidInput(Say(Msg::kNotInCodePage, {what, InQuotes(utf8.substr(start, i - start)), Hex(cp)}));
  }
  throw std::logic_error("Utf8ToMazovia refused a text whose every character it has");
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// Throws at the first control byte other than those `allowed`.
void RefuseControlBytes(const std::string& what, std::string_view mazovia, std::string_view allowed = {}) {
  for (char c : mazovia) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsControl(c) && allowed.find(c) == std::string_view::npos)
      throw InvalidInput(
          Say(allowed.empty() ? Msg::kControlCharacter : Msg::kControlCharacterInText, {what, Hex(byte)}));
  }
}

ReminderSchedule& Row(ReminderSettings& record, int row) {
  CheckRow(row);
  return record.schedules[row - 1];
}

void SetTime(char* field, std::size_t width, const std::string& what, std::string_view time) {
  if (time.empty()) {
    StoreText(field, width, "");
    return;
  }
  const std::optional<int> second = talvenor::ParseTimeOfDay(time);
  if (!second) throw InvalidInput(Say(Msg::kNotATimeValue, {what, Quoted(time)}));
  StoreText(field, width, talvenor::FormatTimeOfDay(*second));
}

// Why a date in one of the typed forms does not exist.
std::string NoSuchDate(const talvenor::DateReading& reading) {
  const talvenor::CivilDate& typed = reading.typed;
  switch (reading.fault) {
    case talvenor::DateFault::kYear: return Say(Msg::kYearOutOfRange, {std::to_string(typed.year)});
    case talvenor::DateFault::kMonth: return Say(Msg::kNoSuchMonth, {std::to_string(typed.month)});
    default: break;
  }
  if (typed.day == 0) return Say(Msg::kNoDayZero);
  const std::string days = Count(Msg::kCountDays, talvenor::DaysInMonth(typed.year, typed.month));
  return Say(Msg::kMonthHasDays, {Nth(Msg::kListMonths, typed.month - 1), std::to_string(typed.year), days});
}

// What a text too long for the record takes: its characters, or where line
// breaks fill their lines, its lines.
std::string TooLong(std::string_view mazovia) {
  const std::size_t length = talvenor::FlowedLength(mazovia);
  if (mazovia.find('\n') == std::string_view::npos)
    return Say(Msg::kTextTooLong, {Count(Msg::kCountCharacters, length)});
  const std::size_t lines = (length + talvenor::kReminderColumns - 1) / talvenor::kReminderColumns;
  return Say(Msg::kTextTooManyLines, {Count(Msg::kCountLines, lines)});
}

// The flowing text of `mazovia`, whose control bytes other than line
// breaks (from a damaged file, through JSON) stay where they stood: each
// flows as a stand-in and is put back at the place the stand-in took.
std::optional<std::string> FlowKeepingControlBytes(std::string_view mazovia) {
  std::string standIns(mazovia);
  for (char& c : standIns)
    if (IsControl(c) && c != '\n') c = '?';
  std::optional<std::string> stored = talvenor::FlowReminderText(standIns);
  if (!stored) return stored;
  for (std::size_t i = 0; i < mazovia.size(); ++i) {
    if (!IsControl(mazovia[i]) || mazovia[i] == '\n') continue;
    const std::size_t at = talvenor::FlowReminderText(std::string_view(standIns).substr(0, i))->size();
    (*stored)[at] = mazovia[i];
  }
  return stored;
}

}  // namespace

void CheckRow(int row) {
  if (row < 1 || row > kRows) throw InvalidInput(Say(Msg::kNoSuchRow, {std::to_string(row)}));
}

void SetReminderText(ReminderSettings& record, std::string_view utf8, ControlBytes control) {
  std::string typed(utf8);
  // Windows line ends and the line break that ends a file are no layout.
  if (control == ControlBytes::kRefuse) typed = std::regex_replace(typed, std::regex("\r\n"), "\n");
  while (!typed.empty() && typed.back() == '\n') typed.pop_back();
  const std::string mazovia = ToMazovia(Say(Msg::kFieldText), typed);
  if (control == ControlBytes::kRefuse) RefuseControlBytes(Say(Msg::kFieldText), mazovia, "\n");
  const auto stored = FlowKeepingControlBytes(mazovia);
  if (!stored) throw InvalidInput(TooLong(mazovia));
  StoreText(record.text, sizeof record.text, *stored);
}

void SetPassword(ReminderSettings& record, std::string_view utf8, ControlBytes control) {
  const std::string mazovia = ToMazovia(Say(Msg::kFieldPassword), utf8);
  if (control == ControlBytes::kRefuse) RefuseControlBytes(Say(Msg::kFieldPassword), mazovia);
  if (mazovia.size() >= sizeof record.password)
    throw InvalidInput(Say(Msg::kPasswordTooLong, {Count(Msg::kCountCharacters, mazovia.size())}));
  StoreText(record.password, sizeof record.password, mazovia);
}

void SetStartDate(ReminderSettings& record, int row, std::string_view date) {
  ReminderSchedule& schedule = Row(record, row);
  if (date.empty()) {
    StoreText(schedule.startDate, sizeof schedule.startDate, "");
    return;
  }
  const talvenor::DateReading reading = talvenor::ReadDateText(date);
  const std::string what = Say(Msg::kFieldStartDate, {std::to_string(row)});
  if (reading.fault == talvenor::DateFault::kForm) throw InvalidInput(Say(Msg::kNotADateValue, {what, Quoted(date)}));
  if (!reading.date) throw InvalidInput(Say(Msg::kNoSuchDate, {what, Quoted(date), NoSuchDate(reading)}));
  StoreText(schedule.startDate, sizeof schedule.startDate, talvenor::FormatHostDate(*reading.date));
}

long long ParseInterval(int row, std::string_view text) {
  static const std::regex shape(R"([+-]?\d{1,6})");
  const std::string typed(text);
  if (!std::regex_match(typed, shape))
    throw InvalidInput(Say(Msg::kIntervalNotANumber, {std::to_string(row), Quoted(typed)}));
  return std::stoll(typed);
}

void SetInterval(ReminderSettings& record, int row, long long minutes) {
  ReminderSchedule& schedule = Row(record, row);
  if (minutes < -kIntervalLimit || minutes > kIntervalLimit)
    throw InvalidInput(Say(Msg::kIntervalOutOfRange, {std::to_string(row), std::to_string(minutes)}));
  schedule.intervalMinutes = static_cast<std::int16_t>(minutes);
}

void SetFromTime(ReminderSettings& record, int row, std::string_view time) {
  ReminderSchedule& schedule = Row(record, row);
  SetTime(schedule.fromTime, sizeof schedule.fromTime, Say(Msg::kFieldFromTime, {std::to_string(row)}), time);
}

void SetToTime(ReminderSettings& record, int row, std::string_view time) {
  ReminderSchedule& schedule = Row(record, row);
  SetTime(schedule.toTime, sizeof schedule.toTime, Say(Msg::kFieldToTime, {std::to_string(row)}), time);
}

bool IsTimeOfDay(std::string_view text) { return text.size() == 8 && talvenor::ParseTimeOfDay(text).has_value(); }

std::string ReadableText(const char* field, std::size_t width) {
  return talvenor::text::MazoviaToUtf8(StoredText(field, width));
}

}  // namespace infprz
