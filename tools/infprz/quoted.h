#pragma once
// Values in messages, and commands a message suggests.
#include <string>
#include <string_view>

namespace infprz {

// A value the user gave, as messages quote it: in double quotes as he
// would type it there, backslashes as they are (a Windows path reads as
// typed) except where the C runtime would take them otherwise: before a
// quote, which is written \", and before the closing quote. A control
// character stands as <U+000A>, a byte that is not UTF-8 as U+FFFD, and
// the value is cut after 40 characters, so a wrong 100,000-character one
// is not echoed.
std::string Quoted(std::string_view utf8);

// A stored text as JSON writes it: in double quotes, " and \ escaped.
std::string JsonQuoted(std::string_view utf8);

// `text` between double quotes, nothing escaped.
std::string InQuotes(std::string_view text);

// A file name as a command the tool suggests shows it, ready to be typed in
// cmd, PowerShell or sh: in double quotes when it holds a space.
std::string CommandLineWord(std::string_view name);

}  // namespace infprz
