#pragma once
// The Windows console as the host's terminal: the screen written cell by
// cell with WriteConsoleOutputW (Unicode, so the Polish letters come out
// right whatever the console's code page, also under Wine in a UTF-8
// terminal), keys read as key events and recognised by virtual-key code.
// It only delivers what happens: keys, resizes, idle seconds.
#include <windows.h>

#include "core/terminal.h"

namespace standin::host {

class ConsoleTerminal : public Terminal {
 public:
  // Fails (Ready() false) when standard input is not a console.
  ConsoleTerminal();
  ~ConsoleTerminal() override;
  ConsoleTerminal(const ConsoleTerminal&) = delete;
  ConsoleTerminal& operator=(const ConsoleTerminal&) = delete;

  bool Ready() const { return ready_; }
  // Makes the console's buffer and window exactly this size (a console
  // under Wine starts at its terminal's size and cannot follow it later).
  // False when the console refuses the size.
  bool SetSize(ScreenSize size);
  ScreenSize Size() override;
  void Present(const Screen& screen) override;
  TerminalEvent NextEvent(int idleMilliseconds) override;
  void Beep(int frequency, int milliseconds) override;
  void DiscardTypeAhead() override;
  void Refresh() override;

 private:
  // Nothing for records that are no event of the host's.
  std::optional<TerminalEvent> Translate(const INPUT_RECORD& record);

  HANDLE input_ = INVALID_HANDLE_VALUE, output_ = INVALID_HANDLE_VALUE;
  DWORD savedInputMode_ = 0;
  CONSOLE_CURSOR_INFO savedCursor_{};
  bool ready_ = false;
  bool pendingResize_ = false;  // a resize seen among the keys thrown away
  WCHAR highSurrogate_ = 0;     // the first half of a character beyond U+FFFF
};

}  // namespace standin::host
