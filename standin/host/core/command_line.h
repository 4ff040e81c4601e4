#pragma once
// talhost.exe's command line: its options (one table, with their help, in
// host_texts.h), read into what the program needs, refusals in the user's
// language.
#include <optional>
#include <span>
#include <string>

#include "contract/date_text.h"
#include "terminal.h"

namespace standin::host {

struct CommandLine {
  std::string plugin;     // empty: talvenor.dll beside talhost.exe
  std::string script;     // empty: the console
  std::string directory;  // empty: the current one
  std::optional<ScreenSize> size;
  std::optional<talvenor::CivilDate> today;
  std::optional<int> secondOfDay;
  std::optional<int> interfaceVersion;  // nothing: the host's own
  bool mute = false, everyScreen = false, realClock = false, help = false;
};

// The arguments after the program's name; nothing, with why in *error,
// when one cannot be read. --opt VALUE and --opt=VALUE both work.
std::optional<CommandLine> ReadCommandLine(std::span<const std::string> arguments, std::string* error);

// What --help prints.
std::string CommandLineHelp();

}  // namespace standin::host
