#include "script.h"

namespace standin::host {

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
