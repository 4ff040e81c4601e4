#pragma once
// The tool's command line, read by hand so that every refusal is said in
// the tool's own words and Windows habits work: /? and -? ask for help, and
// a name that starts with / is a file (an absolute path under Wine).
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages.h"

namespace infprz {

enum class Command { kNone, kShow, kImport, kSet, kClearPassword, kInit, kCheck };

struct CommandInfo {
  Command command;
  std::string_view name;  // as typed
  Msg summary;            // for the help
};
inline constexpr CommandInfo kCommands[] = {
    {Command::kShow, "show", Msg::kCommandShow},
    {Command::kImport, "import", Msg::kCommandImport},
    {Command::kSet, "set", Msg::kCommandSet},
    {Command::kClearPassword, "clear-password", Msg::kCommandClearPassword},
    {Command::kInit, "init", Msg::kCommandInit},
    {Command::kCheck, "check", Msg::kCommandCheck},
};

constexpr unsigned Bit(Command command) { return 1u << static_cast<unsigned>(command); }

struct OptionInfo {
  std::string_view name;     // "--text"
  std::optional<Msg> value;  // what its value is called; none for a switch
  Msg help;
  unsigned commands;  // Bit() of each command that takes it
};
inline constexpr unsigned kSetOnly = Bit(Command::kSet);
inline constexpr OptionInfo kOptions[] = {
    {"--json", std::nullopt, Msg::kHelpJson, Bit(Command::kShow)},
    {"--show-password", std::nullopt, Msg::kHelpShowPassword, Bit(Command::kShow)},
    {"--text", Msg::kValueText, Msg::kHelpText, kSetOnly},
    {"--text-file", Msg::kValueTextFile, Msg::kHelpTextFile, kSetOnly},
    {"--password", Msg::kValuePassword, Msg::kHelpPassword, kSetOnly},
    {"--row", Msg::kValueRow, Msg::kHelpRow, kSetOnly},
    {"--start-date", Msg::kValueDate, Msg::kHelpStartDate, kSetOnly},
    {"--interval", Msg::kValueMinutes, Msg::kHelpInterval, kSetOnly},
    {"--from", Msg::kValueTime, Msg::kHelpFrom, kSetOnly},
    {"--to", Msg::kValueTime, Msg::kHelpTo, kSetOnly},
    {"--on", std::nullopt, Msg::kHelpOn, kSetOnly},
    {"--off", std::nullopt, Msg::kHelpOff, kSetOnly},
    {"--create", std::nullopt, Msg::kHelpCreate, kSetOnly | Bit(Command::kClearPassword)},
    {"--force", std::nullopt, Msg::kHelpForce, Bit(Command::kInit)},
};

struct CommandLine {
  Command command = Command::kNone;
  bool help = false;
  bool version = false;
  std::map<std::string, std::string, std::less<>> options;  // name -> value ("" for a switch)
  std::vector<std::string> operands;                        // FILE, JSON and FILE, or FOLDER
  std::optional<std::string> refusal;  // the first thing refused, in the user's words; help still wins

  bool Has(std::string_view option) const { return options.contains(option); }
};

// Reads `args` (without the program's name); a refused command line comes
// back with `refusal` set, never as an exception.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

std::string_view CommandName(Command command);

}  // namespace infprz
