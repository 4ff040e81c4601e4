#pragma once
// The stand-in host at work: the main screen, and the message boxes and
// dialogs that the plug-in (or the host itself) opens over it. Every key
// press becomes a BIOS key code and goes down the installed key hook chain
// first, also while a box or dialog is open, as in the real host; a box or
// dialog opened from inside the chain runs as a nested loop over the one
// that was open, and the screen is drawn from the bottom layer up.
//
// While it waits for a key the host also redraws: the whole screen, every
// layer, after a resize; the status line's clock once a second when
// nothing happens (no key goes to the plug-in then). A box or dialog drops
// the keys typed ahead of it as it opens. A key that cannot go anywhere (a
// character the code page lacks, one a field refuses, a key press the
// console could not name) gives a short beep and a word on the status
// line, and changes nothing else.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host_clock.h"
#include "main_screen.h"
#include "message_box.h"
#include "services/front_end.h"
#include "services/host_services_impl.h"
#include "terminal.h"

namespace standin::host {

inline constexpr int kIdleTickMilliseconds = 1000;
inline constexpr int kToneShownAfterMilliseconds = 1500;  // a tone stays on the status line that much longer
inline constexpr int kRefusalBeepHz = 1000, kRefusalBeepMilliseconds = 40;

inline constexpr int kFixedSizeNoticeMilliseconds = 10000;

struct HostOptions {
  bool mute = false;                        // no Beep, the tones only on the status line
  std::uint16_t shiftF10Alias = key::kF9;   // a second key that gives Shift-F10 (0x5D00)
  // The terminal cannot tell the host a new size (Wine's console keeps
  // the one it started with): the status line says so for the first
  // kFixedSizeNoticeMilliseconds.
  bool fixedSize = false;
};

class HostApp : public FrontEnd {
 public:
  // `state` is the services' state wherever they run (inside MOLRAV.dll on
  // Windows): the hook chain, the state flags and the recorded calls.
  HostApp(Terminal& terminal, HostState& state, HostClock& clock, HostOptions options);

  void SetPlugin(PluginPanel plugin) { plugin_ = std::move(plugin); }
  // The main screen, until the user leaves it or the input ends.
  void Run();
  bool InputEnded() const { return inputEnded_; }
  // Draws the screen as it stands now.
  void Redraw() { Render(); }
  // A box of the host's own (UTF-8 texts); answers as ShowMessage.
  std::int32_t HostMessage(std::string_view title, std::string_view text);
  // A question of the host's own, buttons Tak and Nie: 1 for Tak, 0 else.
  std::int32_t HostQuestion(std::string_view title, std::string_view text);

  // FrontEnd: what the services need from the screen.
  std::int32_t ShowMessage(std::string_view title, std::string_view text, std::int32_t style) override;
  std::int32_t RunDialog(void* templateSet, std::int32_t number, void* buffer) override;
  void Sound(std::int32_t frequency, std::int32_t duration, std::int32_t flags) override;
  std::string TodayText() override { return clock_.TodayText(); }
  std::string NowText() override { return clock_.NowText(); }

 private:
  struct Layer {
    std::function<void(Screen&)> draw;
    ScreenSize needs{0, 0};  // what it takes to show it whole
  };
  class LayerGuard;
  // Draws the screen and waits for a key; sends it down the hook chain and
  // answers what came back (0xFFFF: the chain ate it). Nothing when the
  // input has ended.
  std::optional<std::uint16_t> NextKey();
  std::int32_t RunBox(MessageBox box);
  // A short beep and `hint` on the status line until the next key.
  void Refuse(std::string hint);
  void Render();
  HostStatus Status() const;
  std::string CallsText() const;

  Terminal& terminal_;
  HostState& state_;
  HostClock& clock_;
  HostOptions options_;
  MainScreen main_;
  PluginPanel plugin_;
  std::vector<Layer> layers_;  // open boxes and dialogs, bottom first
  bool inputEnded_ = false;
  bool anyKey_ = false, hookRunning_ = false;
  std::uint16_t lastKey_ = 0;
  std::uint32_t hookResult_ = 0;
  std::int32_t toneFrequency_ = 0;
  int toneCount_ = 0;
  std::uint32_t toneShownUntil_ = 0;  // host clock ticks
  std::string hint_;                  // why the last key was refused
  std::uint32_t startTicks_ = 0;      // host clock ticks when it started
  std::optional<Screen> shown_;       // what the terminal shows now
};

}  // namespace standin::host
