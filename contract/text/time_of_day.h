#pragma once
// Times of day as people type them and the host stores them: HH:MM:SS.
#include <optional>
#include <string>
#include <string_view>

namespace talvenor {

// Seconds since midnight of H:MM, HH:MM or HH:MM:SS (00:00 to 23:59:59);
// nothing for anything else.
std::optional<int> ParseTimeOfDay(std::string_view text);

// The host's time text of a second of the day: HH:MM:SS.
std::string FormatTimeOfDay(int secondOfDay);

}  // namespace talvenor
