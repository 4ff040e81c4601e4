#include "date_text.h"

#include <cstdio>
#include <ctime>

#include "time_of_day.h"

namespace talvenor {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

DateReading Valid(int y, int m, int d) {
  DateReading reading;
  reading.typed = {y, m, d};
  if (y < 1 || y > 9999)
    reading.fault = DateFault::kYear;
  else if (m < 1 || m > 12)
    reading.fault = DateFault::kMonth;
  else if (d < 1 || d > DaysInMonth(y, m))
    reading.fault = DateFault::kDay;
  else
    reading.date = reading.typed;
  return reading;
}

DateReading NoForm() {
  DateReading reading;
  reading.fault = DateFault::kForm;
  return reading;
}

// YYYYMMDD, all eight digits.
DateReading ReadHostDate(std::string_view text) {
  int digits[8];
  for (int i = 0; i < 8; ++i) digits[i] = text[i] - '0';
  const int y = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
  return Valid(y, digits[4] * 10 + digits[5], digits[6] * 10 + digits[7]);
}

bool AllDigits(std::string_view part) { return part.find_first_not_of("0123456789") == std::string_view::npos; }

}  // namespace

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

std::tm LocalNow() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  return local;
}

std::optional<CivilDate> ParseHostDate(const char* text) {
  if (text == nullptr) return std::nullopt;
  for (int i = 0; i < 8; ++i)
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  if (text[8] != '\0') return std::nullopt;
  return ReadHostDate(std::string_view(text, 8)).date;
}

std::string FormatHostDate(const CivilDate& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  return buffer;
}

// Howard Hinnant's days_from_civil.
std::int64_t DaysFromCivil(const CivilDate& date) {
  const int y = date.year - (date.month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (date.month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + date.day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

CivilDate CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = static_cast<int>(z - era * 146097);
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int d = doy - (153 * mp + 2) / 5 + 1;
  const int m = mp < 10 ? mp + 3 : mp - 9;
  const int y = static_cast<int>(yoe + era * 400) + (m <= 2 ? 1 : 0);
  return {y, m, d};
}

std::int32_t DaysBetween(const char* date1, const char* date2) {
  const auto a = ParseHostDate(date1);
  const auto b = ParseHostDate(date2);
  if (!a || !b) return kUnreadableDate;
  return static_cast<std::int32_t>(DaysFromCivil(*a) - DaysFromCivil(*b));
}

std::string TodayHostDate() {
  const std::tm now = LocalNow();
  return FormatHostDate({now.tm_year + 1900, now.tm_mon + 1, now.tm_mday});
}

std::string NowTimeText() {
  const std::tm now = LocalNow();
  return FormatTimeOfDay(now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec);
}

std::string DisplayDate(const CivilDate& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date.day, date.month, date.year);
  return buffer;
}

std::optional<CivilDate> ParseDateText(std::string_view text) { return ReadDateText(text).date; }

DateReading ReadDateText(std::string_view text) {
  if (text.size() == 8 && AllDigits(text)) return ReadHostDate(text);
  if (text.size() == 10 && text[4] == '-' && text[7] == '-' && AllDigits(text.substr(0, 4)) &&
      AllDigits(text.substr(5, 2)) && AllDigits(text.substr(8, 2))) {
    const std::string digits = std::string(text.substr(0, 4)) + std::string(text.substr(5, 2)) + std::string(text.substr(8, 2));
    return ReadHostDate(digits);
  }
  // D.M.YYYY or DD.MM.YYYY, with one kind of separator.
  std::size_t i = 0;
  auto number = [&](std::size_t minDigits, std::size_t maxDigits) -> int {
    std::size_t digits = 0;
    int value = 0;
    while (i < text.size() && digits < maxDigits && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + (text[i++] - '0');
      ++digits;
    }
    return digits >= minDigits ? value : -1;
  };
  const int d = number(1, 2);
  if (d < 0 || i >= text.size()) return NoForm();
  const char separator = text[i++];
  if (separator != '.' && separator != '-' && separator != '/') return NoForm();
  const int m = number(1, 2);
  if (m < 0 || i >= text.size() || text[i++] != separator) return NoForm();
  const int y = number(4, 4);
  if (y < 0 || i != text.size()) return NoForm();
  return Valid(y, m, d);
}

}  // namespace talvenor
