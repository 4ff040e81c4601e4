#pragma once
// Date texts: the host's own, eight digits YYYYMMDD (a four-digit year so
// day counts hold across any century), and the forms people type and read.
// The settings tool and the stand-in host read and write dates only here.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace talvenor {

struct CivilDate {
  int year, month, day;
};

inline constexpr std::int32_t kUnreadableDate = -1;  // never governs a reminder

// Returns nothing when `text` is not exactly eight digits of a real date
// (year 1 to 9999). Reads at most 9 bytes.
std::optional<CivilDate> ParseHostDate(const char* text);
std::string FormatHostDate(const CivilDate& date);

// Signed days from date2 to date1; kUnreadableDate when either text is not
// a date (a negative count, so such a row never governs).
std::int32_t DaysBetween(const char* date1, const char* date2);

// Days since 1970-01-01 of a civil date, and back.
std::int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(std::int64_t days);

// This machine's local date and time of day, now.
std::tm LocalNow();

// The local date and time of day of this machine.
std::string TodayHostDate();
std::string NowTimeText();

// How a Polish user reads it in the 13-cell date field: DD.MM.YYYY.
std::string DisplayDate(const CivilDate& date);
// What a person may type: DD.MM.YYYY (also with - or / between, one or two
// digits for day and month), YYYY-MM-DD or YYYYMMDD; a four-digit year
// always ("1.2.26" would be the year 26).
std::optional<CivilDate> ParseDateText(std::string_view text);

// Why a typed text is no date: not in any of the forms above (kForm), or
// in one but with a year outside 1 to 9999, a month outside 1 to 12, or a
// day its month does not have (0, or 31.02.2026).
enum class DateFault { kNone, kForm, kYear, kMonth, kDay };
struct DateReading {
  std::optional<CivilDate> date;
  DateFault fault = DateFault::kNone;
  CivilDate typed{};  // the numbers as typed, unless kForm
};
// ParseDateText, saying why it refuses.
DateReading ReadDateText(std::string_view text);

// The days of `month` (1 to 12) in `year`, leap years counted.
int DaysInMonth(int year, int month);

}  // namespace talvenor
