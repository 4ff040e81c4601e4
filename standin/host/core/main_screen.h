#pragma once
// The business program's own screen that the plug-in lives in: a menu
// line, the list of sales invoices, a panel with the loaded plug-in, the
// key help and the status line (date, time, the state flags, the last key
// code and what the hook chain made of it, the last tone).
#include <cstdint>
#include "contract/abi/host_constants.h"
#include <string>

#include "screen.h"

namespace standin::host {

struct HostStatus {
  std::string date;               // DD.MM.YYYY
  std::string time;               // HH:MM:SS
  std::uint16_t stateFlags = 0;
  bool anyKey = false;            // a key has been pressed
  std::uint16_t lastKey = 0;      // BIOS code sent down the hook chain
  std::uint32_t hookResult = 0;   // what came back (0xFFFF consumed)
  bool hookRunning = false;       // the chain has not answered yet
  std::int32_t toneFrequency = 0; // 0: no tone sounding
  int toneCount = 0;              // tones since the last key
  bool muted = false;
  std::string notice;             // UTF-8: a refused key, a screen too small; shown instead of flags and key
};

struct PluginPanel {
  std::string fileName;           // UTF-8
  bool loaded = false;
  std::string description;        // Mazovia, as PluginAttach handed it over
  std::int32_t attachResult = 0;
  std::int32_t interfaceVersion = talvenor::kHostInterfaceVersion;
  std::string problem;            // UTF-8: why it is not loaded
};

enum class MainAction { None, Quit, AskQuit, Help, Calls, ShowDocument };

class MainScreen {
 public:
  // Everything but the status line, which goes over whatever is open.
  void Draw(Screen& screen, const PluginPanel& plugin) const;
  static void DrawStatusLine(Screen& screen, const HostStatus& status);
  MainAction HandleKey(std::uint16_t code);
  // The current invoice, for its preview box (UTF-8).
  std::string DocumentTitle() const;
  std::string DocumentText() const;

 private:
  int selected_ = 0;
};

}  // namespace standin::host
