#pragma once
// Changing one field of the record from what a user typed (UTF-8), with
// the checks the configuration dialog would make. Each setter either
// changes its field or throws InvalidInput and leaves the record alone.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings_file.h"

namespace infprz {

// A value the tool refuses; what() is the message for the user.
struct InvalidInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr int kRows = 3;
inline constexpr std::int16_t kIntervalLimit = 32767;

// Control bytes (0x01-0x1F, 0x7F) other than line breaks: refused in what
// a user types; kept where they came back from a damaged file through JSON.
enum class ControlBytes { kRefuse, kKeep };

// Line breaks in `utf8` fill the rest of their 60-column line.
void SetReminderText(ReminderSettings& record, std::string_view utf8, ControlBytes control = ControlBytes::kRefuse);
void SetPassword(ReminderSettings& record, std::string_view utf8, ControlBytes control = ControlBytes::kRefuse);

// `row` counts from 1. An empty date takes the row out of use; an empty
// time removes that bound of the window.
void SetStartDate(ReminderSettings& record, int row, std::string_view date);
void SetInterval(ReminderSettings& record, int row, long long minutes);
void SetFromTime(ReminderSettings& record, int row, std::string_view time);
void SetToTime(ReminderSettings& record, int row, std::string_view time);

// Throws unless 1 <= row <= 3.
void CheckRow(int row);
// A whole number of minutes as typed; throws when it is none or out of range.
long long ParseInterval(int row, std::string_view text);

// True for the host's time text HH:MM:SS within a day.
bool IsTimeOfDay(std::string_view text);

// A text field as UTF-8, read the way the plug-in reads it.
std::string ReadableText(const char* field, std::size_t width);

}  // namespace infprz
