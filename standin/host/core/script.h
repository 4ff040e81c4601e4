#pragma once
// The scripted mode: a file of key presses, typed texts, waits and clock
// settings, run without a terminal. The host reads its keys from here and
// the screens it draws are printed as UTF-8 text, with the services the
// plug-in called. One command a line, '#' starts a comment:
//
//   key NAME...           key presses: Esc Enter Tab Shift-Tab F12 Shift-F10
//                         Alt-H Ctrl-S Up PgDn Space A 0x5D00 ...
//   type TEXT             types the text (UTF-8); "quoted" keeps blanks
//   wait SECONDS          lets time pass (the scripted clock moves on)
//   today DATE            sets the host's date (DD.MM.YYYY or YYYYMMDD)
//   time HH:MM[:SS]       sets the host's time of day
//   screen [LABEL]        prints the screen as it is now
//   calls                 prints the service calls since the last "calls"
//   expect TEXT           the screen must show TEXT, else the run fails
//   expect-not TEXT       the screen must not show TEXT
//   expect-call TEXT      a call since the last "calls" must read TEXT
//   expect-calls N TEXT   exactly N calls since the last "calls" read TEXT
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host_clock.h"
#include "services/host_services_impl.h"
#include "terminal.h"

namespace standin::host {

struct ScriptCommand {
  enum Kind { Keys, Type, Wait, Today, Time, Show, Calls, Expect, ExpectNot, ExpectCall, ExpectCalls } kind = Keys;
  int line = 0;
  std::string source;            // the line as written
  std::vector<KeyEvent> keys;    // Keys, Type
  std::string text;              // Show's label, the expected texts
  std::int64_t milliseconds = 0; // Wait
  CivilDate date{};              // Today
  int secondOfDay = 0;           // Time
  int count = 0;                 // ExpectCalls
};

// Nothing, with "line N: why" in *error, when a line cannot be read.
std::optional<std::vector<ScriptCommand>> ParseScript(std::string_view text, std::string* error);

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
  int screensPrinted_ = 0;
};

}  // namespace standin::host
