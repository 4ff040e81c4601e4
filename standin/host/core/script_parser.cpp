// Reads a story file by the table of its words (script_words.cpp). A line
// is read whole before anything runs, so that no line is ever typed in part.
#include <algorithm>
#include <cstdlib>

#include "contract/code_page_text.h"
#include "contract/date_text.h"
#include "contract/time_of_day.h"
#include "script_words.h"

namespace standin::host {

namespace {

using namespace text::story;

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

// The part before a comment: a '#' at the start or after a blank.
std::string_view BeforeComment(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i)
    if (s[i] == '#' && (i == 0 || Blank(s[i - 1]))) return Trim(s.substr(0, i));
  return Trim(s);
}

std::string_view FirstWord(std::string_view s) { return s.substr(0, std::min(s.find_first_of(" \t"), s.size())); }

// A refusal of one line; `why` already in the user's language.
struct Refusal {
  std::string why;
};

// A TEXT argument: "quoted" (\" and \\ inside, '#' a character), or bare
// to the end of the line or its comment.
std::optional<std::string> ReadText(std::string_view s, Refusal& refusal) {
  s = Trim(s);
  if (s.empty() || s.front() != '"') return std::string(BeforeComment(s));
  std::string out;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      out += s[++i];
    } else if (s[i] == '"') {
      const std::string_view after = s.substr(i + 1);
      if (!after.empty() && !Blank(after.front()))
        return refusal.why = text::Say(kAfterQuote, {FirstWord(after)}), std::nullopt;
      if (const std::string_view rest = BeforeComment(after); !rest.empty())
        return refusal.why = text::Say(kAfterQuote, {FirstWord(rest)}), std::nullopt;
      return out;
    } else {
      out += s[i];
    }
  }
  return refusal.why = text::Say(kUnclosedQuote, {s}), std::nullopt;
}

std::optional<std::int64_t> ParseSeconds(std::string_view text) {
  const std::string s(text);
  char* end = nullptr;
  const double seconds = std::strtod(s.c_str(), &end);
  if (s.empty() || end != s.c_str() + s.size() || !(seconds >= 0) || seconds > 1e7) return std::nullopt;
  return static_cast<std::int64_t>(seconds * 1000 + 0.5);
}

// Reads one line's arguments into `command` by its word's reading.
bool ReadArguments(const ScriptWord& word, std::string_view rest, ScriptCommand& command, Refusal& refusal) {
  const std::string name(word.word);
  const std::string_view argument = BeforeComment(rest);
  auto needs = [&] { return refusal.why = text::Say(kNeeds, {name, text::Say(word.takes)}), false; };
  auto notWhatItTakes = [&](std::string_view what) {
    return refusal.why = text::Say(kNotWhatItTakes, {name, text::Say(word.takes), what}), false;
  };
  // One value that `parse` reads from the whole argument, or nothing.
  auto readInto = [&](auto& into, auto parse) {
    if (argument.empty()) return needs();
    const auto value = parse(argument);
    if (!value) return notWhatItTakes(argument);
    into = *value;
    return true;
  };
  switch (word.reading) {
    case ScriptReading::kNothing:
      return argument.empty() || notWhatItTakes(argument);
    case ScriptReading::kKeyNames:
      for (std::string_view names = argument; !(names = Trim(names)).empty();) {
        const std::string_view keyName = FirstWord(names);
        const auto key = ParseKeyName(keyName);
        if (!key) return refusal.why = text::Say(kUnknownKeyName, {keyName}), false;
        command.keys.push_back(*key);
        names.remove_prefix(keyName.size());
      }
      return !command.keys.empty() || needs();
    case ScriptReading::kText:
    case ScriptReading::kOptionalText: {
      const auto read = ReadText(rest, refusal);
      if (!read) return false;
      if (read->empty() && word.reading == ScriptReading::kText) return needs();
      command.text = *read;
      return true;
    }
    case ScriptReading::kSeconds: return readInto(command.milliseconds, ParseSeconds);
    case ScriptReading::kDate: return readInto(command.date, talvenor::ParseDateText);
    case ScriptReading::kTime: return readInto(command.secondOfDay, talvenor::ParseTimeOfDay);
    case ScriptReading::kCountAndText: {
      if (argument.empty()) return needs();
      const std::string_view count = FirstWord(argument);
      if (count.size() > 6 || count.find_first_not_of("0123456789") != std::string_view::npos) return notWhatItTakes(count);
      const auto read = ReadText(Trim(rest).substr(count.size()), refusal);
      if (!read) return false;
      if (read->empty()) return needs();
      command.count = std::atoi(std::string(count).c_str());
      command.text = *read;
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::vector<ScriptCommand>> ParseScript(std::string_view text, std::string* error) {
  std::vector<ScriptCommand> commands;
  int lineNumber = 0;
  Refusal refusal;
  auto fail = [&] {
    if (error != nullptr) *error = text::Say(kAtLine, {std::to_string(lineNumber), refusal.why});
    return std::nullopt;
  };
  // Notepad saves UTF-8 with a byte-order mark in front.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    const std::string_view word = FirstWord(line);
    const ScriptWord* found = nullptr;
    for (const ScriptWord& candidate : ScriptWords())
      if (candidate.word == word) found = &candidate;
    if (found == nullptr) return refusal.why = text::Say(kUnknownWord, {word}), fail();
    ScriptCommand command;
    command.kind = found->kind;
    command.line = lineNumber;
    command.source = std::string(line);
    if (!ReadArguments(*found, line.substr(word.size()), command, refusal)) return fail();
    if (command.kind == ScriptCommand::Type) {
      for (char32_t ch : talvenor::text::DecodeUtf8(command.text)) {
        const KeyEvent key = KeyForCharacter(ch);
        if (BiosKeyCode(key) == 0)
          return refusal.why = text::Say(kCannotType, {talvenor::text::EncodeUtf8(std::u32string(1, ch))}), fail();
        command.keys.push_back(key);
      }
    }
    commands.push_back(std::move(command));
  }
  return commands;
}

}  // namespace standin::host
