#include "command_line.h"

#include <charconv>
#include <cstdio>

#include "contract/text/time_of_day.h"
#include "host_texts.h"

namespace standin::host {

namespace {

std::optional<ScreenSize> ReadSize(const std::string& text) {
  int width = 0, height = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &rest) != 2 || width < 40 || height < 15 || width > 300 ||
      height > 200)
    return std::nullopt;
  return ScreenSize{width, height};
}

std::optional<int> ReadWholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Stores one option's value; false, with why in *error, when it is none.
bool Take(CommandLine& line, text::Option option, const std::string& value, std::string* error) {
  auto refuse = [&](const text::Spoken& why) { return *error = text::Say(why, {value}), false; };
  switch (option) {
    case text::Option::kPlugin: line.plugin = value; break;
    case text::Option::kScript: line.script = value; break;
    case text::Option::kDir: line.directory = value; break;
    case text::Option::kSize:
      if (!(line.size = ReadSize(value))) return refuse(text::kBadSize);
      break;
    case text::Option::kToday:
      if (!(line.today = talvenor::ParseDateText(value))) return refuse(text::kBadTodayOption);
      break;
    case text::Option::kTime:
      if (!(line.secondOfDay = talvenor::ParseTimeOfDay(value))) return refuse(text::kBadTimeOption);
      break;
    case text::Option::kInterfaceVersion:
      if (!(line.interfaceVersion = ReadWholeNumber(value))) return refuse(text::kBadInterfaceVersion);
      break;
    case text::Option::kMute: line.mute = true; break;
    case text::Option::kEveryScreen: line.everyScreen = true; break;
    case text::Option::kRealClock: line.realClock = true; break;
    case text::Option::kHelp: line.help = true; break;
  }
  return true;
}

}  // namespace

std::optional<CommandLine> ReadCommandLine(std::span<const std::string> arguments, std::string* error) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-h" || argument == "/?") {
      line.help = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name = std::string_view(argument).substr(0, equals);
    const text::OptionHelp* option = nullptr;
    for (const text::OptionHelp& candidate : text::kOptions)
      if (name == candidate.name) option = &candidate;
    if (option == nullptr) {
      *error = text::Say(argument.starts_with("-") ? text::kUnknownOption : text::kUnexpectedArgument, {argument});
      return std::nullopt;
    }
    if (option->value.english.empty()) {
      if (equals != std::string::npos) return *error = text::Say(text::kTakesNoValue, {name}), std::nullopt;
      Take(line, option->option, "", error);
      continue;
    }
    std::string value;
    if (equals != std::string::npos) value = argument.substr(equals + 1);
    else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) value = arguments[++i];
    else return *error = text::Say(text::kNeedsValue, {name, text::Say(option->value)}), std::nullopt;
    if (!Take(line, option->option, value, error)) return std::nullopt;
  }
  return line;
}

std::string CommandLineHelp() {
  // Within 80 columns, as a console window starts: each option's help in
  // one column, wrapped at blanks. Columns count characters, not bytes.
  constexpr std::size_t kHelpColumn = 26, kWidth = 79;
  auto cells = [](std::string_view utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
    return count;
  };
  std::string help = text::Say(text::kUsage);
  for (const text::OptionHelp& option : text::kOptions) {
    std::string row = "  ";
    row += option.name;
    if (!option.value.english.empty()) row.append(" ").append(text::Say(option.value));
    std::size_t used = cells(row);
    const std::string words = text::Say(option.help);
    for (std::size_t from = 0; from < words.size();) {
      const std::size_t blank = std::min(words.find(' ', from), words.size());
      const std::string_view word = std::string_view(words).substr(from, blank - from);
      if (used < kHelpColumn || used + 1 + cells(word) > kWidth) {
        if (used >= kHelpColumn) row += "\n", used = 0;
        row += std::string(kHelpColumn - used, ' ');
        used = kHelpColumn;
      } else {
        row += ' ';
        ++used;
      }
      row += word;
      used += cells(word);
      from = blank + 1;
    }
    help += row + "\n";
  }
  return help + text::Say(text::kUsageEnd);
}

}  // namespace standin::host
