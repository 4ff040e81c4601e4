#include "time_of_day.h"

#include <cstdio>

namespace talvenor {

std::optional<int> ParseTimeOfDay(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  int digits = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ':') {
      // The hour may have one digit; minutes and seconds have two.
      if (digits == 0 || digits > 2 || (count > 0 && digits != 2) || count == 3) return std::nullopt;
      ++count;
      digits = 0;
    } else if (text[i] >= '0' && text[i] <= '9') {
      if (count == 3) return std::nullopt;
      parts[count] = parts[count] * 10 + (text[i] - '0');
      ++digits;
    } else {
      return std::nullopt;
    }
  }
  if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

std::string FormatTimeOfDay(int secondOfDay) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
  return buffer;
}

}  // namespace talvenor
