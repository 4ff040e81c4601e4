#pragma once
// Where the host's screens go and its key presses come from: the console,
// or a script. The terminal only delivers what happens (a key, a resize,
// a second with nothing); what the host does about it is the host's.
#include <optional>

#include "bios_keys.h"
#include "screen.h"

namespace standin::host {

struct ScreenSize {
  int width, height;
};

struct TerminalEvent {
  enum Kind {
    Key,      // a key press, in `key`
    Resized,  // the window changed size: what it shows may be lost
    Idle,     // nothing happened for the time asked
    Ended,    // there will be no more input (the script has ended, the console is gone)
  } kind = Ended;
  KeyEvent key{};
};

class Terminal {
 public:
  virtual ~Terminal() = default;
  virtual ScreenSize Size() = 0;
  virtual void Present(const Screen& screen) = 0;
  // Waits for the next event, at most `idleMilliseconds` (then Idle).
  virtual TerminalEvent NextEvent(int idleMilliseconds) = 0;
  virtual void Beep(int frequency, int milliseconds) = 0;
  // Drops the key presses already waiting (type-ahead), as a host does
  // before a prompt that matters. A script keeps every key in its order.
  virtual void DiscardTypeAhead() {}
  // After a resize: the next Present must draw the whole screen afresh,
  // whatever the terminal believes it shows.
  virtual void Refresh() {}
};

}  // namespace standin::host
