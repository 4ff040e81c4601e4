#pragma once
// Runs the tool in-process, in the test's scratch directory, in English
// unless a test asks for Polish.
#include <string>
#include <vector>

#include "infprz/messages.h"

namespace infprz_test {

struct Run {
  int status;
  std::string out;
  std::string err;
};

// `text` with each command between backquotes as the tool quotes a command
// it suggests on this system: in double quotes on Windows (none around one
// that holds a quoted name), in apostrophes elsewhere.
std::string ShellQuotes(std::string text);

Run Infprz(const std::vector<std::string>& args, const std::string& standardInput = "",
           infprz::Language language = infprz::Language::kEnglish);

}  // namespace infprz_test
