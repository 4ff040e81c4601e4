#pragma once
// A value the user gave, as messages quote it: in double quotes, with
// quotes, backslashes and control characters escaped as in JSON, and cut
// after 40 characters so a wrong 100,000-character value is not echoed.
#include <string>
#include <string_view>

namespace infprz {

std::string Quoted(std::string_view utf8);

// `text` between double quotes, nothing escaped.
std::string InQuotes(std::string_view text);

// A file name as a command the tool suggests shows it, ready to be typed in
// cmd, PowerShell or sh: in double quotes when it holds a space.
std::string CommandLineWord(std::string_view name);

}  // namespace infprz
