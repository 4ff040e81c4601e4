#pragma once
// Where the host's screens go and its key presses come from: the console,
// or a script.
#include <optional>

#include "bios_keys.h"
#include "screen.h"

namespace standin::host {

struct ScreenSize {
  int width, height;
};

class Terminal {
 public:
  virtual ~Terminal() = default;
  virtual ScreenSize Size() = 0;
  virtual void Present(const Screen& screen) = 0;
  // Waits for the next key press; nothing when there will be none (the
  // script has ended, the console is gone).
  virtual std::optional<KeyEvent> ReadKey() = 0;
  virtual void Beep(int frequency, int milliseconds) = 0;
};

}  // namespace standin::host
