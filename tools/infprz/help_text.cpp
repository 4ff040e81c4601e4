#include "help_text.h"

#include <utility>
#include <vector>

#include "text_columns.h"

namespace infprz {

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// Two columns, the second starting where the widest first one ends.
std::string Table(const Rows& rows) {
  std::size_t width = 0;
  for (const auto& [left, right] : rows) width = std::max(width, Columns(left));
  std::string out;
  for (const auto& [left, right] : rows) out += "  " + PadRight(left, width + 2) + right + "\n";
  return out;
}

// -? works as well; the help names the two ways a Windows or Linux user expects.
constexpr std::string_view kHelpOptions = "-h, --help, /?";

std::string ToolHelp() {
  Rows commands;
  for (const CommandInfo& info : kCommands) commands.emplace_back(info.name, Say(info.summary));
  const Rows options = {{std::string(kHelpOptions), Say(Msg::kHelpHelp)}, {"--version", Say(Msg::kHelpVersion)}};
  return Say(Msg::kHelpAbout) + "\n\n" + Say(Msg::kHelpUsage, {Say(Msg::kHelpCommandLine)}) + "\n\n" +
         Say(Msg::kHelpCommands) + "\n" + Table(commands) + "\n" + Say(Msg::kHelpOptions) + "\n" + Table(options) +
         "\n" + Say(Msg::kHelpPerCommand) + "\n" + Say(Msg::kHelpFooter) + "\n";
}

std::string CommandHelp(Command command) {
  const std::string name(CommandName(command));
  const bool check = command == Command::kCheck;  // a folder, not a settings file
  const std::string file = Say(check ? Msg::kValueFolder : Msg::kValueFile);
  std::string usage = name;  // appended piecewise: GCC 12 warns falsely on a + chain here
  usage += ' ';
  usage += Say(Msg::kHelpCommandOptions);
  if (command == Command::kImport) {
    usage += ' ';
    usage += Say(Msg::kValueJson);
  }
  usage += " [";
  usage += file;
  usage += ']';

  Rows rows;
  for (const OptionInfo& option : kOptions) {
    if ((option.commands & Bit(command)) == 0) continue;
    std::string left(option.name);
    if (option.value) {
      left += ' ';
      left += Say(*option.value);
    }
    rows.emplace_back(left, Say(option.help));
  }
  rows.emplace_back(std::string(kHelpOptions), Say(Msg::kHelpHelp));
  if (command == Command::kImport) rows.emplace_back(Say(Msg::kValueJson), Say(Msg::kHelpJsonFile));
  rows.emplace_back(file, Say(check ? Msg::kHelpCheckFolder : Msg::kHelpFile));

  std::string summary;
  for (const CommandInfo& info : kCommands)
    if (info.command == command) summary = Say(info.summary);
  std::string help = Say(Msg::kHelpUsage, {usage});  // appended piecewise, as above
  help += '\n';
  help += summary;
  help += "\n\n";
  help += Say(Msg::kHelpOptions);
  help += '\n';
  help += Table(rows);
  if (check) {
    help += '\n';
    help += Say(Msg::kHelpCheckExit);
    help += '\n';
  }
  return help;
}

}  // namespace

std::string HelpText(Command command) { return command == Command::kNone ? ToolHelp() : CommandHelp(command); }

}  // namespace infprz
