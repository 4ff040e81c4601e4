#include "reminder_text.h"

namespace talvenor {

namespace {

// The flowing text, whatever its length; nothing for a control byte
// unless `keepControlBytes`.
std::optional<std::string> Flow(std::string_view withLineBreaks, bool keepControlBytes) {
  std::string stored;
  bool wrapped = false;  // the last typed character filled its line
  for (char c : withLineBreaks) {
    if (c == '\n') {
      const std::size_t column = stored.size() % kReminderColumns;
      if (column != 0 || !wrapped) stored.append(kReminderColumns - column, ' ');
      wrapped = false;
      continue;
    }
    if (!keepControlBytes && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)) return std::nullopt;
    stored += c;
    wrapped = stored.size() % kReminderColumns == 0;
  }
  // Padding after the last typed character is not text.
  while (!stored.empty() && stored.back() == ' ' && stored.size() > kReminderCapacity) stored.pop_back();
  return stored;
}

}  // namespace

std::optional<std::string> FlowReminderText(std::string_view withLineBreaks) {
  std::optional<std::string> stored = Flow(withLineBreaks, false);
  if (stored && stored->size() > kReminderCapacity) return std::nullopt;
  return stored;
}

std::size_t FlowedLength(std::string_view withLineBreaks) { return Flow(withLineBreaks, true)->size(); }

std::vector<std::string> ReminderTextLines(std::string_view stored) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < stored.size() && lines.size() < kReminderLines; start += kReminderColumns)
    lines.emplace_back(stored.substr(start, kReminderColumns));
  return lines;
}

}  // namespace talvenor
