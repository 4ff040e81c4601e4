// The host at work with a terminal and a key hook of the test's own: keys
// go down the hook chain first, also inside boxes and dialogs; boxes and
// dialogs opened from the chain nest and unwind; the status line tells.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <sstream>

#include "core/host_app.h"
#include "core/message_box.h"
#include "host_test_keys.h"
#include "reminder/dialog_templates.h"

namespace {

using namespace standin;
using namespace standin::host;

// A console of the test's own. Its events come in order; an Idle event is
// a pause of the user's: keys queued before it are type-ahead, those
// behind it are typed later.
class FakeTerminal : public Terminal {
 public:
  std::deque<TerminalEvent> events;
  std::deque<ScreenSize> resizes;  // the size each Resized event brings
  ScreenSize size{100, 30};
  std::optional<Screen> screen;
  std::vector<int> beeps;
  int refreshes = 0;
  std::function<void()> onIdle;

  // Keys by name, separated by blanks; a "|" is a pause of the user's.
  void Press(const std::string& names) {
    std::istringstream words(names);
    for (std::string name; words >> name;)
      if (name == "|") Pause();
      else PressEvent(ParseKeyName(name).value());
  }
  void PressEvent(KeyEvent key) { events.push_back({TerminalEvent::Key, key}); }
  void Pause() { events.push_back({TerminalEvent::Idle}); }
  void Resize(int width, int height) {
    events.push_back({TerminalEvent::Resized});
    resizes.push_back({width, height});
  }
  bool KeysLeft() const {
    for (const TerminalEvent& e : events)
      if (e.kind == TerminalEvent::Key) return true;
    return false;
  }
  std::string Text() const { return screen ? screen->ToText() : std::string(); }
  std::string StatusLine() const { return screen ? screen->RowText(screen->Height() - 1) : std::string(); }

  ScreenSize Size() override { return size; }
  void Present(const Screen& s) override { screen = s; }
  TerminalEvent NextEvent(int) override {
    if (events.empty()) return {};
    const TerminalEvent event = events.front();
    events.pop_front();
    if (event.kind == TerminalEvent::Resized) size = resizes.front(), resizes.pop_front();
    if (event.kind == TerminalEvent::Idle && onIdle) onIdle();
    return event;
  }
  void DiscardTypeAhead() override {
    while (!events.empty() && events.front().kind == TerminalEvent::Key) events.pop_front();
  }
  void Refresh() override { ++refreshes; }
  void Beep(int frequency, int) override { beeps.push_back(frequency); }
};

// The test's key hook: records every key and does what the test says.
std::vector<std::uint32_t> g_hookSaw;
std::function<std::uint32_t(std::uint32_t)> g_hookDoes;
std::uint32_t TALVENOR_CALLEE_POPS TestHook(std::uint32_t key) {
  g_hookSaw.push_back(key);
  return g_hookDoes ? g_hookDoes(key) : key;
}

MachineClock FixedMachine() {
  MachineClock machine;
  machine.localSeconds = [] { return std::int64_t{20431} * 86400 + 12 * 3600; };  // 09.12.2025 12:00:00
  machine.utcSeconds = [] { return std::int64_t{1765281600}; };
  machine.ticks = [] { return 1000u; };
  return machine;
}

class HostAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_hookSaw.clear();
    g_hookDoes = nullptr;
    state.keyHook = &TestHook;
  }
  FakeTerminal terminal;
  HostState state;
  HostClock clock{FixedMachine(), true};
  HostApp app{terminal, state, clock, HostOptions{}};
};

TEST_F(HostAppTest, EveryKeyGoesDownTheHookChainFirstAndTheStatusLineTellsWhatItDid) {
  g_hookDoes = [](std::uint32_t key) {
    return key == 0x3F00 || (key == 0x1C0D && g_hookSaw.size() == 1) ? 0xFFFFu : key;
  };
  terminal.Press("z Enter | Enter x F5 Esc");  // z and Enter typed ahead are dropped as the box opens
  EXPECT_EQ(app.ShowMessage("uwaga", "Tekst", 1), 0) << "the first Enter was eaten by the hook; Esc answers 0";
  EXPECT_FALSE(terminal.KeysLeft());
  terminal.Press("F9 Shift-F10 F5");
  app.Run();
  EXPECT_EQ(g_hookSaw, (std::vector<std::uint32_t>{0x1C0D, 0x2D78, 0x3F00, 0x011B, 0x5D00, 0x5D00, 0x3F00}))
      << "F9 gives the chain Shift-F10";
  EXPECT_NE(terminal.Text().find("klawisz 3F00 F5 → FFFF (zjedzony)"), std::string::npos) << terminal.Text();
  EXPECT_NE(terminal.Text().find("09.12.2025 12:00:00 │ flagi 0000"), std::string::npos);
}

TEST_F(HostAppTest, ADialogOpenedFromTheChainInsideABoxNestsRedrawsAndUnwinds) {
  char password[21 + 8];
  std::memset(password, '#', sizeof password);
  password[0] = 0;
  std::string seen;  // when 's' is typed in the first dialog
  // Shift-F10 opens the password dialog over whatever is open, as the plug-in's hook does.
  g_hookDoes = [&](std::uint32_t key) -> std::uint32_t {
    if (key == 0x1F73) seen = terminal.Text();
    if (key != 0x5D00) return key;
    app.RunDialog(talvenor::DialogTemplateSet, talvenor::kPasswordDialog, password);
    return 0xFFFF;
  };
  std::string inDialog;  // at the first pause after the resize
  terminal.onIdle = [&] {
    if (terminal.size.width == 120 && inDialog.empty()) inDialog = terminal.Text();
  };
  terminal.Press("| Shift-F10 | s Esc Shift-F10");  // Esc leaves the dialog, not the box under it
  terminal.Press("| a b");
  terminal.PressEvent(KeyEvent{vk::kShift});  // a key press that makes no code: the screen is drawn again
  terminal.Pause();
  terminal.Resize(120, 40);
  terminal.Press("| Enter Enter");
  EXPECT_EQ(app.ShowMessage("uwaga", "Zainstalowano", 1), 1);
  EXPECT_STREQ(password, "ab");
  EXPECT_EQ(password[21], '#') << "a byte behind the 21 bound ones was written";
  EXPECT_EQ(g_hookSaw, (std::vector<std::uint32_t>{0x5D00, 0x1F73, 0x011B, 0x5D00, 0x1E61, 0x3062, 0x1C0D, 0x1C0D}))
      << "a resize is no key";
  for (const std::string& both : {seen, inDialog}) {
    EXPECT_NE(both.find("─ uwaga ─"), std::string::npos) << both;
    EXPECT_NE(both.find("Proszę podać hasło"), std::string::npos) << both;
  }
  EXPECT_EQ(terminal.refreshes, 1);
  EXPECT_EQ(terminal.screen->Width(), 120);
  EXPECT_EQ(std::count(inDialog.begin(), inDialog.end(), '\n'), 40);
  app.Redraw();
  EXPECT_EQ(terminal.Text().find("uwaga"), std::string::npos) << "every layer is gone again";
}

TEST_F(HostAppTest, AlarmStyleLooksAndSoundsDifferent) {
  // The box's top-left corner, found below the main screen's own frames.
  auto boxCorner = [&](const char* title, std::int32_t style) {
    Cell corner{0};
    g_hookDoes = [&](std::uint32_t key) {
      const Screen& s = *terminal.screen;
      for (int row = 4; row < s.Height() && corner.ch == 0; ++row)
        for (int column = 0; column < s.Width() && corner.ch == 0; ++column)
          if (s.At(column, row).ch == U'┌' || s.At(column, row).ch == U'╔') corner = s.At(column, row);
      return key;
    };
    terminal.Press("| Enter");
    app.ShowMessage(title, "x", style);
    return corner;
  };
  const Cell notice = boxCorner("uwaga", kNoticeStyle), alarm = boxCorner("STOP!!!", kAlarmStyle);
  EXPECT_NE(notice.attr, alarm.attr);
  EXPECT_EQ(notice.ch, U'┌');
  EXPECT_EQ(alarm.ch, U'╔');
  EXPECT_EQ(terminal.beeps.size(), 1u) << "the alarm beeps once as it opens";
}

TEST_F(HostAppTest, ADialogOverAMalformedSetOrCutShortByTheEndOfInputTouchesNothing) {
  unsigned char set[sizeof talvenor::DialogTemplateSet];
  std::memcpy(set, talvenor::DialogTemplateSet, sizeof set);
  set[0] = 0xFF;  // says it is far longer than it is
  set[1] = 0x00;
  set[2] = 0x01;
  char buffer[21] = "keep";
  std::string shown;
  g_hookDoes = [&](std::uint32_t key) {
    shown = terminal.Text();
    return key;
  };
  terminal.Press("| Enter");
  EXPECT_EQ(app.RunDialog(set, 1, buffer), 0);
  EXPECT_NE(shown.find("Błąd wtyczki"), std::string::npos) << "a host box instead\n" << shown;
  EXPECT_STREQ(buffer, "keep");
  EXPECT_FALSE(app.InputEnded());
  terminal.Press("| Del x");
  EXPECT_EQ(app.RunDialog(talvenor::DialogTemplateSet, talvenor::kPasswordDialog, buffer), 0);
  EXPECT_STREQ(buffer, "keep");
  EXPECT_TRUE(app.InputEnded());
}

TEST_F(HostAppTest, ToneShowsOnTheStatusLineBeepsUnlessMutedAndClearsAfterItsBurst) {
  terminal.onIdle = [&] { clock.Advance(1000); };
  app.Sound(2100, 60, 0);
  for (int i = 0; i < 19; ++i) app.Sound(600, 60, 0);
  app.Redraw();
  EXPECT_NE(terminal.StatusLine().find("♪ 600 Hz ×20"), std::string::npos);
  std::vector<int> beeped(20, 600);
  beeped[0] = 2100;
  EXPECT_EQ(terminal.beeps, beeped);
  std::string afterTwoSeconds;
  terminal.Press("| | | Alt-X");
  g_hookDoes = [&](std::uint32_t key) {
    afterTwoSeconds = terminal.StatusLine();
    return key;
  };
  app.Run();
  EXPECT_NE(afterTwoSeconds.find("12:00:03"), std::string::npos) << "the clock ticks while idle\n" << afterTwoSeconds;
  EXPECT_EQ(afterTwoSeconds.find("♪"), std::string::npos) << "the burst is over";
  EXPECT_EQ(g_hookSaw, (std::vector<std::uint32_t>{0x2D00})) << "the ticks send the plug-in nothing";
  HostOptions quiet;
  quiet.mute = true;
  HostApp mutedApp(terminal, state, clock, quiet);
  mutedApp.Sound(600, 60, 0);
  mutedApp.Redraw();
  EXPECT_EQ(terminal.beeps.size(), 20u);
  EXPECT_NE(terminal.Text().find("♪ 600 Hz (cisza)"), std::string::npos);
}

TEST_F(HostAppTest, ARefusedKeyBeepsAndTellsOnTheStatusLineAndGoesNowhere) {
  const host_test::SpeakingIn polish(host_test::kPolish);
  char buffer[21] = "";
  KeyEvent euro;
  euro.ch = U'€';
  terminal.Pause();
  terminal.PressEvent(euro);
  terminal.Pause();
  terminal.PressEvent(KeyEvent{});  // what Wine's console makes of an escape sequence it does not know
  terminal.Pause();
  for (int i = 0; i < 21; ++i) terminal.Press("p");
  terminal.Press("| Enter");
  std::vector<std::string> statusLines;
  terminal.onIdle = [&] { statusLines.push_back(terminal.StatusLine()); };
  EXPECT_EQ(app.RunDialog(talvenor::DialogTemplateSet, talvenor::kPasswordDialog, buffer), 1);
  EXPECT_EQ(std::string(buffer), std::string(20, 'p'));
  ASSERT_EQ(statusLines.size(), 4u);
  EXPECT_NE(statusLines[1].find("Znaku „€” (U+20AC) nie ma w stronie kodowej Mazovia"), std::string::npos) << statusLines[1];
  EXPECT_NE(statusLines[2].find("Konsola nie rozpoznała tego klawisza"), std::string::npos) << statusLines[2];
  EXPECT_NE(statusLines[3].find("Pole pełne (znaków: 20)"), std::string::npos) << statusLines[3];
  EXPECT_EQ(terminal.beeps.size(), 3u);
  EXPECT_EQ(g_hookSaw.size(), 22u) << "the € reached no hook";
  app.Redraw();
  EXPECT_NE(terminal.StatusLine().find("klawisz 1C0D"), std::string::npos) << "the next key clears the hint";
}

TEST_F(HostAppTest, TheStatusLineTellsWhatLimitsTheWindow) {
  // Under Wine the window keeps its first size: said for the first seconds,
  // unless a dialog does not fit, which matters more.
  const host_test::SpeakingIn polish(host_test::kPolish);
  HostOptions fixed;
  fixed.fixedSize = true;
  HostApp wineApp(terminal, state, clock, fixed);
  terminal.size = {80, 25};
  std::string status;
  g_hookDoes = [&](std::uint32_t key) {
    status = terminal.StatusLine();
    return key;
  };
  wineApp.Redraw();
  EXPECT_NE(terminal.StatusLine().find("Pod Wine okno ma stały rozmiar 80×25"), std::string::npos)
      << terminal.StatusLine();
  unsigned char settings[591] = {};
  terminal.Press("| Esc");
  wineApp.RunDialog(talvenor::DialogTemplateSet, talvenor::kConfigurationDialog, settings);
  EXPECT_NE(status.find("Za małe okno: potrzeba 95×24, jest 80×25"), std::string::npos) << status;
  terminal.size = {100, 30};
  clock.Advance(kFixedSizeNoticeMilliseconds);
  terminal.Press("| Esc");
  wineApp.RunDialog(talvenor::DialogTemplateSet, talvenor::kConfigurationDialog, settings);
  EXPECT_EQ(status.find("Za małe okno"), std::string::npos) << status;
  EXPECT_EQ(status.find("Pod Wine"), std::string::npos) << "the first seconds are over\n" << status;
  app.Redraw();
  EXPECT_EQ(terminal.StatusLine().find("Pod Wine"), std::string::npos) << "a console that follows its window says nothing";
}

TEST_F(HostAppTest, TheExitQuestionHasTakAndNie) {
  std::string question;
  g_hookDoes = [&](std::uint32_t key) {
    if (question.empty() && terminal.Text().find("Zakończyć") != std::string::npos) question = terminal.Text();
    return key;
  };
  terminal.Press("Esc | Right Enter");  // Nie: work goes on
  terminal.Press("Esc | Right Left Enter");  // Tak
  terminal.Press("F5");
  app.Run();
  EXPECT_NE(question.find("[ Tak ]   [ Nie ]"), std::string::npos) << question;
  EXPECT_TRUE(terminal.KeysLeft()) << "Tak ended the program before F5";
  EXPECT_FALSE(app.InputEnded());
  MessageBox box(U"Koniec pracy", U"?", kHostStyle, BoxButtons::YesNo);
  EXPECT_EQ(box.HandleKey(0x011B), 0) << "Esc";
  EXPECT_EQ(box.HandleKey(0x1C0D), 1) << "Enter on Tak, chosen at first";
  EXPECT_EQ(box.HandleKey(0x3177), std::nullopt) << "a key with no meaning here";
  EXPECT_EQ(box.HandleKey(0x316E), 0) << "N";
}

TEST(HostClock, ScriptedClockMovesOnlyWhenTheScriptWaits) {
  HostClock clock(FixedMachine(), true);
  EXPECT_EQ(clock.TodayText(), "20251209");
  EXPECT_EQ(clock.NowText(), "12:00:00");
  clock.SetToday({2026, 12, 31});
  clock.SetTimeOfDay(23 * 3600 + 59 * 60 + 58);
  EXPECT_EQ(clock.TodayText(), "20261231");
  EXPECT_EQ(clock.PluginTicks(), 1000u) << "setting the calendar does not move the plug-in's clock";
  clock.Advance(6000);
  EXPECT_EQ(clock.TodayText(), "20270101");
  EXPECT_EQ(clock.NowText(), "00:00:04");
  EXPECT_EQ(clock.PluginTicks(), 7000u);
  EXPECT_EQ(clock.PluginUtcSeconds(), 1765281606);
  HostClock real(FixedMachine(), false);
  real.Advance(6000);
  EXPECT_EQ(real.PluginTicks(), 1000u) << "a real clock is only read";
}

}  // namespace
