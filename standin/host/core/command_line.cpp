#include "command_line.h"

#include <charconv>
#include <cstdio>

#include "contract/time_of_day.h"
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
bool Take(CommandLine& line, std::string_view name, const std::string& value, std::string* error) {
  auto refuse = [&](const text::Spoken& why) { return *error = text::Say(why, {value}), false; };
  if (name == "--plugin") line.plugin = value;
  else if (name == "--script") line.script = value;
  else if (name == "--dir") line.directory = value;
  else if (name == "--size") {
    if (!(line.size = ReadSize(value))) return refuse(text::kBadSize);
  } else if (name == "--today") {
    if (!(line.today = talvenor::ParseDateText(value))) return refuse(text::kBadTodayOption);
  } else if (name == "--time") {
    if (!(line.secondOfDay = talvenor::ParseTimeOfDay(value))) return refuse(text::kBadTimeOption);
  } else if (name == "--interface-version") {
    const auto number = ReadWholeNumber(value);
    if (!number) return refuse(text::kBadInterfaceVersion);
    line.interfaceVersion = *number;
  }
  return true;
}

void Switch(CommandLine& line, std::string_view name) {
  if (name == "--mute") line.mute = true;
  if (name == "--every-screen") line.everyScreen = true;
  if (name == "--real-clock") line.realClock = true;
  if (name == "--help") line.help = true;
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
      Switch(line, name);
      continue;
    }
    std::string value;
    if (equals != std::string::npos) value = argument.substr(equals + 1);
    else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) value = arguments[++i];
    else return *error = text::Say(text::kNeedsValue, {name, text::Say(option->value)}), std::nullopt;
    if (!Take(line, name, value, error)) return std::nullopt;
  }
  return line;
}

std::string CommandLineHelp() {
  std::string help = text::Say(text::kUsage);
  for (const text::OptionHelp& option : text::kOptions) {
    std::string left = "  " + std::string(option.name);
    if (!option.value.english.empty()) left += " " + text::Say(option.value);
    // Columns count characters, not bytes: the Polish value names have letters of two bytes.
    std::size_t cells = 0;
    for (unsigned char c : left) cells += (c & 0xC0) != 0x80;
    help += left + std::string(cells < 34 ? 34 - cells : 1, ' ') + text::Say(option.help) + "\n";
  }
  return help + text::Say(text::kUsageEnd);
}

}  // namespace standin::host
