#pragma once
// The host's date text: eight digits YYYYMMDD, a four-digit year so day
// counts hold across any century. The settings tool and the stand-in host
// both read and write dates only through here.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace standin {

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
// Accepts DD.MM.YYYY (also with - or / between) or YYYYMMDD.
std::optional<CivilDate> ParseDisplayDate(const std::string& text);

}  // namespace standin
