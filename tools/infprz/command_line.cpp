#include "command_line.h"

#include <algorithm>

#include "quoted.h"

namespace infprz {

namespace {

bool AsksForHelp(std::string_view arg) { return arg == "--help" || arg == "-h" || arg == "/?" || arg == "-?"; }

// An option name for the refusals: "--text" of "--text=abc".
std::string_view OptionName(std::string_view arg) { return arg.substr(0, arg.find('=')); }

const OptionInfo* FindOption(std::string_view name, Command command) {
  for (const OptionInfo& option : kOptions)
    if (option.name == name && (option.commands & Bit(command)) != 0) return &option;
  return nullptr;
}

std::optional<Command> FindCommand(std::string_view name) {
  for (const CommandInfo& info : kCommands)
    if (info.name == name) return info.command;
  return std::nullopt;
}

bool IsRowNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return !text.empty() && text.size() <= 9 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What the options of `set` cannot mean together.
std::optional<std::string> SetRefusal(const CommandLine& line) {
  if (line.Has("--on") && line.Has("--off")) return Say(Msg::kOptionsExclude, {"--on", "--off"});
  if (line.Has("--text") && line.Has("--text-file")) return Say(Msg::kOptionsExclude, {"--text", "--text-file"});
  constexpr std::string_view kRowFields[] = {"--start-date", "--interval", "--from", "--to"};
  const bool anyRowField =
      std::any_of(std::begin(kRowFields), std::end(kRowFields), [&](auto f) { return line.Has(f); });
  if (!line.Has("--row")) {
    for (std::string_view field : kRowFields)
      if (line.Has(field)) return Say(Msg::kNeedsRow, {field});
    return std::nullopt;
  }
  if (!IsRowNumber(line.options.find("--row")->second)) return Say(Msg::kRowNotANumber);
  if (!anyRowField) return Say(Msg::kRowWithoutField);
  return std::nullopt;
}

}  // namespace

std::string_view CommandName(Command command) {
  for (const CommandInfo& info : kCommands)
    if (info.command == command) return info.name;
  return "";
}

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  const auto refuse = [&line](std::string text) {
    if (!line.refusal) line.refusal = std::move(text);
  };
  bool operandsOnly = false;  // after "--"
  bool lost = false;          // after an unknown command only a request for help still counts
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool looksLikeOption = arg.size() > 1 && arg[0] == '-';
    if (!operandsOnly && AsksForHelp(arg)) {
      line.help = true;
    } else if (lost) {
      continue;
    } else if (!operandsOnly && arg == "--version") {
      line.version = true;
    } else if (!operandsOnly && arg == "--") {
      operandsOnly = true;
    } else if (line.command == Command::kNone) {
      if (looksLikeOption && !operandsOnly) {
        refuse(Say(Msg::kOptionBeforeCommand, {OptionName(arg)}));
      } else if (const auto command = FindCommand(arg)) {
        line.command = *command;
      } else {
        refuse(Say(Msg::kUnknownCommand, {Quoted(arg)}));
        lost = true;
      }
    } else if (operandsOnly || !looksLikeOption) {
      line.operands.push_back(arg);  // a FILE may start with '/': /? alone asks for help
    } else {
      const std::string_view name = OptionName(arg);
      const OptionInfo* option = FindOption(name, line.command);
      const bool joined = name.size() < arg.size();
      if (option == nullptr) {
        refuse(Say(Msg::kUnknownOption, {name, CommandName(line.command)}));
        continue;
      }
      if (line.Has(name)) refuse(Say(Msg::kOptionTwice, {name}));
      std::string value;
      if (!option->value) {
        if (joined) refuse(Say(Msg::kFlagTakesNoValue, {name}));
      } else if (joined) {
        value = arg.substr(name.size() + 1);
      } else if (i + 1 == args.size()) {
        refuse(Say(Msg::kOptionNeedsValue, {name}));
      } else if (args[i + 1].starts_with("--")) {
        // "--password --on" would set the password to "--on": an option left
        // without its value is far likelier than a value that starts with "--".
        refuse(Say(Msg::kOptionAsValue, {name, args[i + 1]}));
      } else {
        value = args[++i];
      }
      line.options.emplace(std::string(name), std::move(value));
    }
  }
  if (line.help || line.version || line.refusal) return line;

  const std::size_t mostOperands = line.command == Command::kImport ? 2 : 1;
  if (line.command == Command::kNone)
    refuse(Say(Msg::kNoCommand));
  else if (line.operands.size() > mostOperands)
    refuse(Say(line.command == Command::kCheck ? Msg::kCheckOneFolder : Msg::kUnexpectedArgument,
               {Quoted(line.operands[mostOperands])}));
  else if (line.command == Command::kImport && line.operands.empty())
    refuse(Say(Msg::kImportNeedsJson));
  else if (line.command == Command::kSet)
    if (auto refusal = SetRefusal(line)) refuse(std::move(*refusal));
  return line;
}

}  // namespace infprz
