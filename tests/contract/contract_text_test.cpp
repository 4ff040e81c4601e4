// The shared texts at their edges: the calendar with its century years,
// times of day as people type them, the flowing reminder text at its
// capacity, field texts without their NUL, and which row governs.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "contract/date_text.h"
#include "contract/field_text.h"
#include "contract/governing_row.h"
#include "contract/reminder_text.h"
#include "contract/time_of_day.h"

namespace {

using namespace talvenor;

TEST(DateText, TypedDatesAcrossLeapYearsAndMonthEndsAndWhyOneIsRefused) {
  const std::pair<const char*, const char*> cases[] = {  // typed -> host text, or why it is refused
      {"29.02.2024", "20240229"}, {"29.02.2000", "20000229"}, {"29.02.1900", "day"},      {"29.02.2100", "day"},
      {"28.02.2100", "21000228"}, {"31.01.2026", "20260131"}, {"30.04.2026", "20260430"}, {"31.04.2026", "day"},
      {"31.08.2026", "20260831"}, {"31.09.2026", "day"},      {"31.12.9999", "99991231"}, {"1.1.0000", "year"},
      {"1.2-2027", "form"},       {"1/2/2027", "20270201"},   {"2026-02-29", "day"},      {"2028-02-29", "20280229"},
      {"20261209", "20261209"},   {"2026120", "form"},        {"09.12.2026 ", "form"},    {"", "form"},
      {"1-2-2027", "20270201"},   {"31.02.2026", "day"},      {"1.2.26", "form"},         {" 1.2.2026", "form"},
      {"+1.2.2026", "form"},      {"01.02.20260", "form"},    {"2026-2-01", "form"},      {"0.5.2026", "day"},
      {"1.13.2026", "month"},     {"2026-00-10", "month"},    {"20261301", "month"},      {"00000101", "year"},
      {"32.13.0000", "year"}};
  for (const auto& [typed, expected] : cases) {
    const DateReading reading = ReadDateText(typed);
    const char* faults[] = {"", "form", "year", "month", "day"};
    EXPECT_EQ(reading.date ? FormatHostDate(*reading.date) : faults[static_cast<int>(reading.fault)], expected)
        << typed;
    EXPECT_EQ(ParseDateText(typed).has_value(), reading.date.has_value()) << typed;
  }
  const DateReading february = ReadDateText("31.02.2026");  // what a message names
  EXPECT_EQ(DaysInMonth(february.typed.year, february.typed.month), 28);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
}

TEST(DateText, HostDatesAreEightDigitsAndADayCountIsSigned) {
  char full[9];  // a buffer the host filled without its NUL
  std::memcpy(full, "202612091", 9);
  EXPECT_FALSE(ParseHostDate(full).has_value()) << "a ninth digit makes no date";
  EXPECT_FALSE(ParseHostDate("2026:209").has_value());
  EXPECT_EQ(DisplayDate(ParseHostDate("20260301").value()), "01.03.2026");

  const std::tuple<const char*, const char*, std::int32_t> days[] = {
      {"20260302", "20260227", 3}, {"20260227", "20260302", -3}, {"20000301", "20000228", 2},
      {"19000301", "19000228", 1}, {"21000301", "21000228", 1},  {"21000101", "19991231", 36526},
      {"20261209", "2026120", kUnreadableDate}, {"20261209", "20261232", kUnreadableDate}};
  for (const auto& [date1, date2, expected] : days)
    EXPECT_EQ(DaysBetween(date1, date2), expected) << date1 << " " << date2;
}

TEST(TimeOfDay, TypedTimesAndTheirHostText) {
  const std::pair<const char*, int> cases[] = {  // -1: refused
      {"00:00", 0},        {"7:30", 27000}, {"08:00:00", 28800}, {"23:59:59", 86399}, {"24:00:00", -1},
      {"12:60", -1},       {"12:00:60", -1}, {"8:0", -1},       {"8", -1},           {"800", -1},
      {"ab:cd", -1},       {"08:0a", -1},   {"08:00:00:00", -1}, {"", -1},           {"-1:00", -1}};
  for (const auto& [typed, second] : cases) EXPECT_EQ(ParseTimeOfDay(typed).value_or(-1), second) << typed;
  EXPECT_EQ(FormatTimeOfDay(86399), "23:59:59");
  EXPECT_EQ(FormatTimeOfDay(3 * 3600 + 7 * 60 + 5), "03:07:05");
}

TEST(ReminderText, FlowsLineBreaksUpToItsCapacity) {
  const std::string pad59(59, ' '), line(60, ' ');
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"a\n\nb", "a" + pad59 + line + "b"},
      {std::string(60, 'x') + "\nb", std::string(60, 'x') + "b"},  // a full line breaks by itself
      {std::string(470, 'a') + "\n", std::string(470, 'a') + std::string(10, ' ')},
      {std::string(480, 'a'), std::string(480, 'a')},
      {std::string(481, 'a'), std::nullopt},
      {std::string(480, 'a') + "\n", std::string(480, 'a')},  // a final line break adds nothing
      {std::string(7, '\n') + std::string(61, 'a'), std::nullopt},
      {"\nx", line + "x"},
      {"Zebranie\nSala 2", "Zebranie" + std::string(52, ' ') + "Sala 2"},
      {"a\x7F", std::nullopt},
      {"tab\there", std::nullopt},
      {"a\rb", std::nullopt}};
  for (const auto& [typed, stored] : cases) EXPECT_EQ(FlowReminderText(typed), stored) << typed.size() << " bytes";
  EXPECT_EQ(ReminderTextLines("Zebranie" + std::string(52, ' ') + "Sala 2"),
            (std::vector<std::string>{"Zebranie" + std::string(52, ' '), "Sala 2"}));
  EXPECT_EQ(ReminderTextLines(std::string(480, 'b')).size(), 8u);
}

TEST(SettingsBytes, EveryByteComplementedWhatAShortFileLacksReadsAsZeroAndOnly591Count) {
  unsigned char file[600] = {0x87, 0x86};  // "xy" complemented, then zeros
  ReminderSettings record;
  DecodeSettingsBytes(file, 2, &record);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record), 591), "xy" + std::string(589, '\0'));
  DecodeSettingsBytes(file, sizeof file, &record);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record), 591), "xy" + std::string(589, '\xFF'));
  unsigned char encoded[kSettingsFileSize];
  EncodeSettingsBytes(record, encoded);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(encoded), 591), std::string(reinterpret_cast<char*>(file), 591));
}

TEST(FieldText, EndsAtItsNulOrBeforeTheFieldsLastByte) {
  EXPECT_EQ(FieldTextLength("123456789", 9), 8u);
  EXPECT_EQ(FieldTextLength("12\0" "456789", 9), 2u);
  char full[9], copy[9];
  std::memcpy(full, "123456789", 9);
  CopyFieldText(copy, full);
  EXPECT_STREQ(copy, "12345678");
}

TEST(GoverningRow, NearestStartBehindTodayAndATieToTheLaterRow) {
  struct Case {
    const char* starts[3];
    int governing;
  };
  const Case cases[] = {{{"20261209", "", ""}, 0},
                        {{"20261210", "", ""}, kNoGoverningRow},
                        {{"20261201", "20261208", "20261101"}, 1},
                        {{"20261208", "20261208", ""}, 1},
                        {{"20261209", "20261209", "20261209"}, 2},
                        {{"", "99999999", "20261201"}, 2}};
  for (const Case& c : cases) {
    ReminderSettings record{};
    for (int i = 0; i < 3; ++i) std::strcpy(record.schedules[i].startDate, c.starts[i]);
    EXPECT_EQ(GoverningRow(record, "20261209", DaysBetween), c.governing)
        << c.starts[0] << " " << c.starts[1] << " " << c.starts[2];
  }
}

}  // namespace
