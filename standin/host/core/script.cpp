#include "script.h"

#include <cctype>
#include <cstdlib>

#include "contract/time_of_day.h"

namespace standin::host {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// "text" with \" and \\ inside, or the bare rest of the line.
std::string Unquote(std::string_view s) {
  if (s.size() < 2 || s.front() != '"' || s.back() != '"') return std::string(s);
  std::string out;
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    if (s[i] == '\\' && i + 2 < s.size()) ++i;
    out += s[i];
  }
  return out;
}

std::optional<std::int64_t> ParseSeconds(std::string_view text) {
  const std::string s(text);
  char* end = nullptr;
  const double seconds = std::strtod(s.c_str(), &end);
  if (s.empty() || end != s.c_str() + s.size() || !(seconds >= 0) || seconds > 1e7) return std::nullopt;
  return static_cast<std::int64_t>(seconds * 1000 + 0.5);
}

}  // namespace

std::optional<std::vector<ScriptCommand>> ParseScript(std::string_view text, std::string* error) {
  std::vector<ScriptCommand> commands;
  int lineNumber = 0;
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = "line " + std::to_string(lineNumber) + ": " + why;
    return std::nullopt;
  };
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    const std::size_t space = line.find_first_of(" \t");
    const std::string word(line.substr(0, space));
    const std::string_view rest = space == std::string_view::npos ? std::string_view() : Trim(line.substr(space));
    ScriptCommand command;
    command.line = lineNumber;
    command.source = std::string(line);
    if (word == "key") {
      std::string_view names = rest;
      while (!(names = Trim(names)).empty()) {
        const std::size_t cut = names.find_first_of(" \t");
        const std::string_view name = names.substr(0, cut);
        const auto key = ParseKeyName(name);
        if (!key) return fail("unknown key \"" + std::string(name) + "\"");
        command.keys.push_back(*key);
        names = cut == std::string_view::npos ? std::string_view() : names.substr(cut);
      }
      if (command.keys.empty()) return fail("key needs at least one key name");
    } else if (word == "type") {
      command.kind = ScriptCommand::Type;
      for (char32_t ch : DecodeUtf8(Unquote(rest))) {
        const KeyEvent key = KeyForCharacter(ch);
        if (BiosKeyCode(key) == 0) return fail("the host's keyboard cannot type \"" + EncodeUtf8(std::u32string(1, ch)) + "\"");
        command.keys.push_back(key);
      }
    } else if (word == "wait") {
      command.kind = ScriptCommand::Wait;
      const auto ms = ParseSeconds(rest);
      if (!ms) return fail("wait needs a number of seconds");
      command.milliseconds = *ms;
    } else if (word == "today") {
      command.kind = ScriptCommand::Today;
      const auto date = ParseDateText(rest);
      if (!date) return fail("today needs a date: DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD");
      command.date = *date;
    } else if (word == "time") {
      command.kind = ScriptCommand::Time;
      const auto second = talvenor::ParseTimeOfDay(rest);
      if (!second) return fail("time needs HH:MM or HH:MM:SS");
      command.secondOfDay = *second;
    } else if (word == "screen") {
      command.kind = ScriptCommand::Show;
      command.text = Unquote(rest);
    } else if (word == "calls") {
      command.kind = ScriptCommand::Calls;
    } else if (word == "expect" || word == "expect-not" || word == "expect-call") {
      command.kind = word == "expect" ? ScriptCommand::Expect : word == "expect-not" ? ScriptCommand::ExpectNot : ScriptCommand::ExpectCall;
      command.text = Unquote(rest);
      if (command.text.empty()) return fail(word + " needs a text");
    } else if (word == "expect-calls") {
      command.kind = ScriptCommand::ExpectCalls;
      const std::size_t cut = rest.find_first_of(" \t");
      const std::string count(rest.substr(0, cut));
      if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos || cut == std::string_view::npos)
        return fail("expect-calls needs a count and a text");
      command.count = std::atoi(count.c_str());
      command.text = Unquote(Trim(rest.substr(cut)));
    } else {
      return fail("unknown command \"" + word + "\"");
    }
    commands.push_back(std::move(command));
  }
  return commands;
}

ScriptTerminal::ScriptTerminal(std::vector<ScriptCommand> commands, ScriptOptions options, HostClock& clock,
                               std::function<const std::vector<ServiceCall>&()> calls, std::ostream& out)
    : commands_(std::move(commands)), options_(options), clock_(clock), calls_(std::move(calls)), out_(out) {}

void ScriptTerminal::Present(const Screen& screen) { screen_ = screen; }

TerminalEvent ScriptTerminal::NextEvent(int /*idleMilliseconds*/) {
  TerminalEvent event;
  if (const std::optional<KeyEvent> key = ReadKey()) event = {TerminalEvent::Key, *key};
  return event;
}

std::optional<KeyEvent> ScriptTerminal::ReadKey() {
  while (!finished_ && next_ < commands_.size()) {
    const ScriptCommand& command = commands_[next_];
    if (command.kind == ScriptCommand::Keys || command.kind == ScriptCommand::Type) {
      if (nextKey_ < command.keys.size()) {
        if (options_.everyScreen) {
          std::string label = "line " + std::to_string(command.line) + ": " + command.source;
          if (command.keys.size() > 1) label += " [" + std::to_string(nextKey_ + 1) + "/" + std::to_string(command.keys.size()) + "]";
          PrintScreen("before " + label);
        }
        return command.keys[nextKey_++];
      }
      nextKey_ = 0;
      ++next_;
      continue;
    }
    ++next_;
    if (!Run(command)) {
      ++failures_;
      break;
    }
  }
  Finish();
  return std::nullopt;
}

bool ScriptTerminal::Run(const ScriptCommand& command) {
  const std::string screen = screen_ ? screen_->ToText() : std::string();
  switch (command.kind) {
    case ScriptCommand::Wait:
      if (clock_.Scripted()) clock_.Advance(command.milliseconds);
      else if (sleep) sleep(command.milliseconds);
      break;
    case ScriptCommand::Today: clock_.SetToday(command.date); break;
    case ScriptCommand::Time: clock_.SetTimeOfDay(command.secondOfDay); break;
    case ScriptCommand::Show:
      PrintScreen(command.text.empty() ? "line " + std::to_string(command.line) : command.text);
      break;
    case ScriptCommand::Calls: {
      const std::size_t now = calls_().size();
      out_ << "=== service calls " << callsMark_ + 1 << ".." << now << " ===\n";
      PrintCalls(callsMark_, now);
      callsMark_ = now;
      break;
    }
    case ScriptCommand::Expect:
    case ScriptCommand::ExpectNot:
      if ((screen.find(command.text) != std::string::npos) != (command.kind == ScriptCommand::Expect)) {
        out_ << "FAILED line " << command.line << ": " << command.source << "\n";
        return false;
      }
      break;
    case ScriptCommand::ExpectCall:
    case ScriptCommand::ExpectCalls: {
      const std::size_t found = CountCalls(command.text);
      const bool ok = command.kind == ScriptCommand::ExpectCall ? found > 0 : found == static_cast<std::size_t>(command.count);
      if (!ok) {
        out_ << "FAILED line " << command.line << ": " << command.source << " (found " << found << ")\n";
        const std::size_t now = calls_().size();
        out_ << "=== service calls " << callsMark_ + 1 << ".." << now << " ===\n";
        PrintCalls(callsMark_, now);
        return false;
      }
      break;
    }
    default:
      break;
  }
  const bool clockMoved = command.kind == ScriptCommand::Wait || command.kind == ScriptCommand::Today ||
                          command.kind == ScriptCommand::Time;
  if (clockMoved && redraw) redraw();
  return true;
}

std::size_t ScriptTerminal::CountCalls(const std::string& text) const {
  const auto& calls = calls_();
  std::size_t found = 0;
  for (std::size_t i = callsMark_; i < calls.size(); ++i)
    if (calls[i].text.find(text) != std::string::npos) ++found;
  return found;
}

void ScriptTerminal::PrintScreen(const std::string& label) {
  out_ << "=== " << label << " ===\n";
  out_ << (screen_ ? screen_->ToText() : std::string("(nothing drawn yet)\n"));
  ++screensPrinted_;
}

void ScriptTerminal::PrintCalls(std::size_t from, std::size_t to) {
  const auto& calls = calls_();
  for (std::size_t i = from; i < to && i < calls.size(); ++i) out_ << "  " << i + 1 << ". " << calls[i].text << "\n";
}

void ScriptTerminal::Finish() {
  if (finished_) return;
  // The host may end (Alt-X) before the script does: what is left may
  // still look at the last screen, but keys would go nowhere.
  while (failures_ == 0 && next_ < commands_.size()) {
    const ScriptCommand& command = commands_[next_++];
    if (command.kind == ScriptCommand::Keys || command.kind == ScriptCommand::Type) {
      if (nextKey_ == command.keys.size()) {
        nextKey_ = 0;
        continue;
      }
      out_ << "FAILED line " << command.line << ": the host has ended; no one reads these keys\n";
      ++failures_;
    } else if (!Run(command)) {
      ++failures_;
    }
  }
  finished_ = true;
  PrintScreen("final screen");
  out_ << "=== service calls (all " << calls_().size() << ") ===\n";
  PrintCalls(0, calls_().size());
  out_.flush();
}

}  // namespace standin::host
