#pragma once
// The scripted mode: the host reads its keys from a story file (its words
// in script_words.h) instead of a terminal, and the screens it draws are
// printed as UTF-8 text, with the services the plug-in called.
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host_clock.h"
#include "script_words.h"
#include "services/host_services_impl.h"
#include "terminal.h"

namespace standin::host {

struct ScriptOptions {
  ScreenSize size{100, 30};
  bool everyScreen = false;      // print the screen before every key
};

class ScriptTerminal : public Terminal {
 public:
  // `calls` gives the services' recorded calls wherever they live.
  ScriptTerminal(std::vector<ScriptCommand> commands, ScriptOptions options, HostClock& clock,
                 std::function<const std::vector<ServiceCall>&()> calls, std::ostream& out);

  ScreenSize Size() override { return options_.size; }
  void Present(const Screen& screen) override;
  // The script's next key; it never waits, so it is never idle.
  TerminalEvent NextEvent(int idleMilliseconds) override;
  void Beep(int, int) override {}

  // Waiting on a clock that is not scripted; real time by default.
  std::function<void(std::int64_t milliseconds)> sleep;
  // Draws the screen afresh (after the clock has been set or moved on).
  std::function<void()> redraw;
  // The script's expectations that failed (the run stops at the first).
  int Failures() const { return failures_; }
  // Prints the final screen and every call, once (also when the host ends
  // before the script does).
  void Finish();

 private:
  std::optional<KeyEvent> ReadKey();
  // Returns false when an expectation fails.
  bool Run(const ScriptCommand& command);
  void PrintScreen(const std::string& label);
  void PrintCalls(std::size_t from, std::size_t to);
  std::size_t CountCalls(const std::string& text) const;

  std::vector<ScriptCommand> commands_;
  ScriptOptions options_;
  HostClock& clock_;
  std::function<const std::vector<ServiceCall>&()> calls_;
  std::ostream& out_;
  std::optional<Screen> screen_;
  std::size_t next_ = 0;          // next command
  std::size_t nextKey_ = 0;       // next key of the current Keys/Type command
  std::size_t callsMark_ = 0;     // calls printed so far
  int failures_ = 0;
  bool finished_ = false;
};

}  // namespace standin::host
