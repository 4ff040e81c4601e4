#include "random_settings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "contract/date_text.h"
#include "harness/settings_file_bytes.h"
#include "reminder/reminder_settings.h"

namespace soak {

namespace {

using talvenor::ReminderSchedule;
using talvenor::ReminderSettings;

constexpr char kMazoviaLetters[] = "\x86\x8D\x8F\x90\x91\x92\x95\x98\x9C\x9E\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7";
constexpr std::int16_t kIntervals[] = {-5, -1, 0, 1, 1, 2, 3, 5, 10, 30, 60, 32767};

char RandomCharacter(Random& random) {
  if (OneIn(random, 8)) return kMazoviaLetters[Below(random, sizeof kMazoviaLetters - 1)];
  return static_cast<char>(' ' + Below(random, 95));
}

template <std::size_t N> void Put(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

std::string TimeText(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

ReminderSchedule RandomRow(Random& random, std::int64_t today) {
  ReminderSchedule row{};
  if (OneIn(random, 3)) return row;  // not in use
  const auto startDay = today - static_cast<std::int64_t>(Below(random, 40)) + 5;
  Put(row.startDate, talvenor::FormatHostDate(talvenor::CivilFromDays(startDay)));
  row.intervalMinutes = kIntervals[Below(random, std::size(kIntervals))];
  const int from = static_cast<int>(Below(random, 86400));
  const int to = static_cast<int>(Below(random, 86400));
  switch (Below(random, 4)) {
    case 0:  // no window
      break;
    case 1:
      Put(row.fromTime, TimeText(std::min(from, to)));
      Put(row.toTime, TimeText(std::max(from, to)));
      break;
    case 2:
      Put(row.fromTime, TimeText(from));
      break;
    default:
      Put(row.toTime, TimeText(to));
  }
  return row;
}

std::string SoundFile(Random& random, std::int64_t today) {
  ReminderSettings record{};
  std::string text;
  for (auto n = Below(random, 481); n > 0; --n) text += RandomCharacter(random);
  Put(record.text, text);
  for (ReminderSchedule& row : record.schedules) row = RandomRow(random, today);
  if (!OneIn(random, 2)) Put(record.password, RandomPassword(random));
  record.enabled = OneIn(random, 5) ? 0 : static_cast<std::int16_t>(1 + Below(random, 3));
  return testing_support::SettingsFileBytes(record);
}

}  // namespace

std::string RandomPassword(Random& random) {
  std::string password;
  for (auto n = 1 + Below(random, 20); n > 0; --n) password += RandomCharacter(random);
  return password;
}

SettingsFile RandomSettingsFile(Random& random, std::int64_t today) {
  std::string bytes = SoundFile(random, today);
  switch (Below(random, 10)) {
    case 0:
      return {std::nullopt, false};
    case 1:  // cut short
      bytes.resize(Below(random, bytes.size()));
      return {bytes, true};
    case 2:  // overlong: another program appended to it
      for (auto n = 1 + Below(random, 609); n > 0; --n) bytes += static_cast<char>(random());
      return {bytes, true};
    case 3:  // bytes flipped anywhere, NULs of the texts included
      for (auto n = 1 + Below(random, 40); n > 0; --n) bytes[Below(random, bytes.size())] = static_cast<char>(random());
      return {bytes, true};
    case 4: {  // noise of any length up to 1200 bytes
      std::string noise(Below(random, 1201), '\0');
      for (char& b : noise) b = static_cast<char>(random());
      return {noise, true};
    }
    case 5:  // no NUL anywhere in the record
      for (char& b : bytes)
        if (b == '\xFF') b = static_cast<char>(~('0' + Below(random, 10)));
      return {bytes, true};
    default:
      return {bytes, false};
  }
}

}  // namespace soak
