#pragma once
// The Windows console as the host's terminal: the screen written cell by
// cell with WriteConsoleOutputW (Unicode, so the Polish letters come out
// right whatever the console's code page, also under Wine in a UTF-8
// terminal), keys read as key events and recognised by virtual-key code.
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
  ScreenSize Size() override;
  void Present(const Screen& screen) override;
  std::optional<KeyEvent> ReadKey() override;
  void Beep(int frequency, int milliseconds) override;

 private:
  HANDLE input_ = INVALID_HANDLE_VALUE, output_ = INVALID_HANDLE_VALUE;
  DWORD savedInputMode_ = 0;
  CONSOLE_CURSOR_INFO savedCursor_{};
  bool ready_ = false;
};

}  // namespace standin::host
