#include "host_app.h"

#include <cstdio>

#include "dialog.h"
#include "host_texts.h"
#include "services/dialog_template_reader.h"

namespace standin::host {

// Pops the layer it pushed, however the loop that drew it ends.
class HostApp::LayerGuard {
 public:
  LayerGuard(std::vector<Layer>& layers, Layer layer) : layers_(layers) { layers_.push_back(std::move(layer)); }
  ~LayerGuard() { layers_.pop_back(); }
  LayerGuard(const LayerGuard&) = delete;
  LayerGuard& operator=(const LayerGuard&) = delete;

 private:
  std::vector<Layer>& layers_;
};

namespace {

std::string MissingCharacterHint(char32_t ch) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(ch));
  return text::Say(text::kMissingCharacter, {EncodeUtf8(std::u32string(1, ch)), code});
}

std::string SizeText(int width, int height) { return std::to_string(width) + "×" + std::to_string(height); }

}  // namespace

HostApp::HostApp(Terminal& terminal, HostState& state, HostClock& clock, HostOptions options)
    : terminal_(terminal), state_(state), clock_(clock), options_(options), startTicks_(clock.PluginTicks()) {}

HostStatus HostApp::Status() const {
  HostStatus status;
  status.date = DisplayDate(clock_.Today());
  status.time = clock_.NowText();
  status.stateFlags = state_.stateFlags;
  status.anyKey = anyKey_;
  status.lastKey = lastKey_;
  status.hookResult = hookResult_;
  status.hookRunning = hookRunning_;
  // The tone shows while it sounds, and a moment after.
  const bool sounding = static_cast<std::int32_t>(clock_.PluginTicks() - toneShownUntil_) < 0;
  status.toneFrequency = sounding ? toneFrequency_ : 0;
  status.toneCount = toneCount_;
  status.muted = options_.mute;
  return status;
}

void HostApp::Render() {
  const ScreenSize size = terminal_.Size();
  Screen screen(size.width, size.height);
  main_.Draw(screen, plugin_);
  screen.SetCursor(-1, -1);
  std::string tooSmall;
  for (const Layer& layer : layers_) {
    layer.draw(screen);
    if (layer.needs.width > screen.Width() || layer.needs.height > screen.Height())
      // Short enough for the status line of the 80-column terminal it is for.
      tooSmall = text::Say(text::kWindowTooSmall,
                           {SizeText(layer.needs.width, layer.needs.height), SizeText(screen.Width(), screen.Height())});
  }
  std::string fixedSize;
  if (options_.fixedSize && clock_.PluginTicks() - startTicks_ < static_cast<std::uint32_t>(kFixedSizeNoticeMilliseconds))
    fixedSize = text::Say(text::kWineFixedSize, {SizeText(screen.Width(), screen.Height())});
  HostStatus status = Status();
  status.notice = !hint_.empty() ? hint_ : !tooSmall.empty() ? tooSmall : fixedSize;
  MainScreen::DrawStatusLine(screen, status);
  if (shown_ && *shown_ == screen) return;  // the terminal shows it already
  terminal_.Present(screen);
  shown_ = std::move(screen);
}

void HostApp::Refuse(std::string hint) {
  hint_ = std::move(hint);
  if (!options_.mute) terminal_.Beep(kRefusalBeepHz, kRefusalBeepMilliseconds);
}

std::optional<std::uint16_t> HostApp::NextKey() {
  for (;;) {
    if (inputEnded_) return std::nullopt;
    Render();
    const TerminalEvent event = terminal_.NextEvent(kIdleTickMilliseconds);
    if (event.kind == TerminalEvent::Ended) {
      inputEnded_ = true;
      return std::nullopt;
    }
    if (event.kind == TerminalEvent::Resized) {
      terminal_.Refresh();
      shown_.reset();
      continue;
    }
    if (event.kind == TerminalEvent::Idle) continue;  // only the clock moves; the plug-in hears nothing
    std::uint16_t code = BiosKeyCode(event.key);
    if (code == 0) {
      // Shift alone and the like make no key; a character the code page
      // lacks is refused where the user sees it, and so is a key press
      // that comes with neither a key nor a character (Wine's console
      // gives that for an escape sequence it does not know, such as the
      // Home and End of tmux).
      if (event.key.ch >= 0x20 && MazoviaByte(event.key.ch) == 0) Refuse(MissingCharacterHint(event.key.ch));
      if (event.key.vk == 0 && event.key.ch == 0 && event.key.raw == 0) Refuse(text::Say(text::kUnknownKey));
      continue;
    }
    hint_.clear();
    if (code == options_.shiftF10Alias) code = key::kShiftF10;
    anyKey_ = true;
    lastKey_ = code;
    hookRunning_ = true;
    toneCount_ = 0;
    // The hook may open boxes of its own, which read keys of their own; the
    // status line ends up telling about this key again.
    const std::uint32_t result = state_.keyHook != nullptr ? state_.keyHook(code) & 0xFFFF : code;
    lastKey_ = code;
    hookResult_ = result;
    hookRunning_ = false;
    return static_cast<std::uint16_t>(result);
  }
}

std::int32_t HostApp::RunBox(MessageBox box) {
  terminal_.DiscardTypeAhead();
  LayerGuard guard(layers_, {[&box](Screen& screen) { box.Draw(screen); }});
  if (box.Beeps()) Sound(880, 200, 0);
  for (;;) {
    const std::optional<std::uint16_t> code = NextKey();
    if (!code) return 0;
    if (const auto answer = box.HandleKey(*code)) return *answer;
  }
}

std::int32_t HostApp::ShowMessage(std::string_view title, std::string_view text, std::int32_t style) {
  return RunBox(MessageBox(DecodeMazovia(title), DecodeMazovia(text), style));
}

std::int32_t HostApp::HostMessage(std::string_view title, std::string_view text) {
  return RunBox(MessageBox(DecodeUtf8(title), DecodeUtf8(text), kHostStyle));
}

std::int32_t HostApp::HostQuestion(std::string_view title, std::string_view text) {
  return RunBox(MessageBox(DecodeUtf8(title), DecodeUtf8(text), kHostStyle, BoxButtons::YesNo));
}

std::int32_t HostApp::RunDialog(void* templateSet, std::int32_t number, void* buffer) {
  const auto* set = static_cast<const unsigned char*>(templateSet);
  std::string error = "the set's size exceeds what a host accepts";
  const std::size_t size = DialogSetSize(set);
  std::optional<DialogView> view;
  if (size != 0) view = ReadDialog(set, size, number, &error);
  if (!view) {
    HostMessage(text::kPluginErrorTitle, text::Fill(text::kDialogUnreadable, {std::to_string(number), error}));
    return 0;
  }
  Dialog dialog(std::move(*view), static_cast<unsigned char*>(buffer));
  terminal_.DiscardTypeAhead();
  const Rect box = dialog.Box(0, 0);
  LayerGuard guard(layers_, {[&dialog](Screen& screen) { dialog.Draw(screen); }, {box.width, box.height + 1}});
  for (;;) {
    const std::optional<std::uint16_t> code = NextKey();
    // With no more input the dialog is left, as with Esc.
    const DialogOutcome outcome = dialog.HandleKey(code ? *code : key::kEsc);
    if (std::string hint = dialog.TakeHint(); !hint.empty()) Refuse(std::move(hint));
    if (outcome == DialogOutcome::Confirmed) return 1;
    if (outcome == DialogOutcome::Left) return 0;
    if (const std::string problem = dialog.TakeProblem(); !problem.empty()) HostMessage(text::kErrorTitle, problem);
  }
}

void HostApp::Sound(std::int32_t frequency, std::int32_t duration, std::int32_t /*flags*/) {
  toneFrequency_ = frequency;
  ++toneCount_;
  toneShownUntil_ = clock_.PluginTicks() + static_cast<std::uint32_t>(std::max(duration, 0)) + kToneShownAfterMilliseconds;
  Render();
  if (!options_.mute) terminal_.Beep(frequency, duration);
}

std::string HostApp::CallsText() const {
  const std::size_t shown = 14;
  const std::size_t from = state_.calls.size() > shown ? state_.calls.size() - shown : 0;
  std::string listed;
  for (std::size_t i = from; i < state_.calls.size(); ++i) {
    std::string call = state_.calls[i].text;
    if (call.size() > 90) call = call.substr(0, 87) + "...";
    listed += std::to_string(i + 1) + ". " + call + "\n";
  }
  return listed.empty() ? std::string(text::kNoCallsYet) : listed;
}

void HostApp::Run() {
  for (;;) {
    const std::optional<std::uint16_t> code = NextKey();
    if (!code) return;
    switch (main_.HandleKey(*code)) {
      case MainAction::Quit: return;
      case MainAction::AskQuit:
        if (HostQuestion(text::kExitTitle, text::kExitQuestion) == 1 && !inputEnded_) return;
        break;
      case MainAction::Help: HostMessage(text::kHelpTitle, text::kHelpText); break;
      case MainAction::Calls:
        HostMessage(text::Fill(text::kCallsTitle, {std::to_string(state_.calls.size())}), CallsText());
        break;
      case MainAction::ShowDocument: HostMessage(main_.DocumentTitle(), main_.DocumentText()); break;
      case MainAction::None: break;
    }
  }
}

}  // namespace standin::host
