#pragma once
// The words of a story file (talhost.exe --script FILE), one table: the
// parser reads each line by it, its refusals name what a word takes, and
// the list in docs/standin-host.md is its help lines (a test compares
// them). One command a line; '#' at the start of a line or after a blank
// starts a comment, on every line; inside a "quoted" text, or within a
// word (C#), '#' is a character like any other.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bios_keys.h"
#include "contract/date_text.h"
#include "host_texts.h"

namespace standin::host {

struct ScriptCommand {
  enum Kind { Keys, Type, Wait, Today, Time, Show, Calls, Expect, ExpectNot, ExpectCall, ExpectCalls } kind = Keys;
  int line = 0;
  std::string source;            // the line as written
  std::vector<KeyEvent> keys;    // Keys, Type
  std::string text;              // Show's label, the expected texts
  std::int64_t milliseconds = 0; // Wait
  talvenor::CivilDate date{};    // Today
  int secondOfDay = 0;           // Time
  int count = 0;                 // ExpectCalls
};

// How a word's arguments are read.
enum class ScriptReading {
  kNothing,       // the word alone
  kKeyNames,      // one or more key names (ParseKeyName)
  kText,          // a text, bare to the end of the line or "quoted" with \" and \\ inside
  kOptionalText,  // the same, or nothing
  kSeconds,       // a number of seconds, fractions allowed
  kDate,          // DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD
  kTime,          // HH:MM or HH:MM:SS
  kCountAndText,  // a count, then a text
};

struct ScriptWord {
  std::string_view word;       // "expect-calls"
  std::string_view arguments;  // as the help shows them: "N TEXT"
  ScriptCommand::Kind kind;
  ScriptReading reading;
  text::Spoken takes;          // what it takes, in a refusal
  std::string_view help;       // its line in the documentation (Markdown)
};

std::span<const ScriptWord> ScriptWords();

// Nothing, with "line N: why" in *error (in the user's language), when a
// line cannot be read: then no line of the script runs.
std::optional<std::vector<ScriptCommand>> ParseScript(std::string_view text, std::string* error);

}  // namespace standin::host
