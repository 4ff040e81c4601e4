#pragma once
// The help the tool prints for --help, -h, /? and -?, in the user's language.
#include <string>

#include "command_line.h"

namespace infprz {

// The whole tool's help for Command::kNone, else that command's.
std::string HelpText(Command command);

}  // namespace infprz
