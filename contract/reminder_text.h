#pragma once
// How the 8 x 60 reminder text is stored: as flowing text of up to 480
// Mazovia bytes, without line breaks, shown wrapped every 60 columns. That
// is why its capacity is exactly 480: eight full lines. A line break typed
// by the user (in the stand-in host's editor or given to the settings tool)
// becomes spaces up to the start of the next line, so what the user laid
// out is what every host shows.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvenor {

inline constexpr std::size_t kReminderColumns = 60;
inline constexpr std::size_t kReminderLines = 8;
inline constexpr std::size_t kReminderCapacity = kReminderColumns * kReminderLines;

// Mazovia text with '\n' -> stored flowing text. Nothing when the result
// would exceed 480 bytes or the text holds another control byte.
std::optional<std::string> FlowReminderText(std::string_view withLineBreaks);

// How many bytes the stored text of `withLineBreaks` would take, however
// many: what a refusal of a too long text reports. Control bytes count as
// one each.
std::size_t FlowedLength(std::string_view withLineBreaks);

// Stored text -> its screen lines (at most 8, each at most 60 bytes;
// trailing spaces of a line are kept).
std::vector<std::string> ReminderTextLines(std::string_view stored);

}  // namespace talvenor
