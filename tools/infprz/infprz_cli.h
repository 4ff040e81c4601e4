#pragma once
// The tool behind main(): its command line, help texts and exit status.
#include <iosfwd>
#include <string>
#include <vector>

namespace infprz {

enum ExitStatus : int {
  kExitOk = 0,
  kExitFailure = 1,  // a file could not be read or written
  kExitUsage = 2,    // the command line or a value was refused; nothing written
};

// `args` without the program's name, in UTF-8.
int RunInfprz(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace infprz
