// talhost.exe: the stand-in host program. Loads MOLRAV.dll (linked, as the
// real program's own module) and a plug-in, runs the plug-in protocol and
// then its main screen in the console, or, with --script, plays a script
// without a terminal and prints the screens and the plug-in's service calls.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <thread>

#include "console_terminal.h"
#include "contract/date_text.h"
#include "contract/host_constants.h"
#include "contract/time_of_day.h"
#include "core/host_app.h"
#include "core/script.h"
#include "plugin_loader.h"

extern "C" __declspec(dllimport) standin::HostState* StandinControls();

namespace {

using namespace standin;
using namespace standin::host;

HostClock* g_clock = nullptr;

// The plug-in's clock in a scripted run (see RedirectPluginClock).
DWORD WINAPI PluginTickCount() { return g_clock->PluginTicks(); }
long long __cdecl PluginTime64(long long* out) {
  const long long now = g_clock->PluginUtcSeconds();
  if (out != nullptr) *out = now;
  return now;
}
long __cdecl PluginTime32(long* out) {
  const long now = static_cast<long>(g_clock->PluginUtcSeconds());
  if (out != nullptr) *out = now;
  return now;
}

std::string BesideThisProgram(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory = path;
  const std::size_t slash = directory.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : directory.substr(0, slash + 1)) + name;
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct Options {
  std::string plugin;
  std::string script;
  std::string size;  // WIDTHxHEIGHT; a script's default is 100x30, a console's its own size
  std::string today, time, directory;
  int interfaceVersion = talvenor::kHostInterfaceVersion;
  bool mute = false, everyScreen = false, realClock = false;
};

int Fail(const std::string& message) {
  std::cerr << "talhost: " << message << "\n";
  return 2;
}

// Wine's console keeps the size it started with, whatever its terminal does.
bool UnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  CLI::App cli{"talhost: the stand-in host program. Runs a plug-in (talvenor.dll) with the host's 17 services."};
  cli.add_option("--plugin", o.plugin, "the plug-in to load (default: talvenor.dll beside talhost.exe)");
  cli.add_option("--script", o.script, "play this script instead of reading the keyboard; print the screens and calls");
  cli.add_flag("--every-screen", o.everyScreen, "scripted: print the screen before every key");
  cli.add_option("--size", o.size,
                 "screen size WIDTHxHEIGHT, 40x15 to 300x200: a script's (default 100x30), or the console's at start");
  cli.add_flag("--real-clock", o.realClock, "scripted: waits take real time and the plug-in reads the real clock");
  cli.add_option("--today", o.today, "the host's date: DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD");
  cli.add_option("--time", o.time, "the host's time of day: HH:MM or HH:MM:SS");
  cli.add_option("--interface-version", o.interfaceVersion, "what HostInterfaceVersion answers (default 112)");
  cli.add_flag("--mute", o.mute, "no beeps; tones only on the status line");
  cli.add_option("--dir", o.directory, "working directory (where infprz.dat and talvenor.xxx live)");
  try {
    cli.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return cli.exit(e) == 0 ? 0 : 2;  // --help is no failure
  }

  const bool scripted = !o.script.empty();
  std::optional<ScreenSize> size;
  if (!o.size.empty()) {
    int width = 0, height = 0;
    char rest = 0;
    if (std::sscanf(o.size.c_str(), "%dx%d%c", &width, &height, &rest) != 2 || width < 40 || height < 15 || width > 300 ||
        height > 200)
      return Fail("--size takes WIDTHxHEIGHT, from 40x15 to 300x200 (" + o.size + ")");
    size = ScreenSize{width, height};
  }
  std::vector<ScriptCommand> commands;
  ScriptOptions scriptOptions;
  if (scripted) {
    std::ifstream in(o.script, std::ios::binary);
    if (!in) return Fail("cannot read the script " + o.script);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    auto parsed = ParseScript(text.str(), &error);
    if (!parsed) return Fail(o.script + ": " + error);
    commands = std::move(*parsed);
    scriptOptions.size = size.value_or(ScreenSize{100, 30});
    scriptOptions.everyScreen = o.everyScreen;
    // Screens go out as UTF-8 bytes, lines ending in \n alone.
    _setmode(_fileno(stdout), _O_BINARY);
  }
  if (!o.directory.empty() && !SetCurrentDirectoryA(o.directory.c_str())) return Fail("cannot enter " + o.directory);

  HostState& state = *StandinControls();
  state.interfaceVersion = o.interfaceVersion;
  const std::string pluginPath = o.plugin.empty() ? BesideThisProgram("talvenor.dll") : o.plugin;

  // Loading runs the plug-in's probes against MOLRAV.dll, before any export.
  LoadedPlugin plugin = LoadPlugin(pluginPath);
  bool scriptedClock = scripted && !o.realClock;
  if (scriptedClock && plugin.module != nullptr && !RedirectPluginClock(plugin.module, PluginTickCount, PluginTime64, PluginTime32))
    scriptedClock = false;  // it reads no clock we know of: waits take real time

  HostClock clock(SystemClock(), scriptedClock);
  g_clock = &clock;
  if (!o.today.empty()) {
    const auto parsed = talvenor::ParseDateText(o.today);
    if (!parsed) return Fail("--today takes DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD");
    clock.SetToday(*parsed);
  }
  if (!o.time.empty()) {
    const auto second = talvenor::ParseTimeOfDay(o.time);
    if (!second) return Fail("--time takes HH:MM or HH:MM:SS");
    clock.SetTimeOfDay(*second);
  }

  std::unique_ptr<ScriptTerminal> script;
  std::unique_ptr<ConsoleTerminal> console;
  Terminal* terminal = nullptr;
  if (scripted) {
    script = std::make_unique<ScriptTerminal>(std::move(commands), scriptOptions, clock,
                                              [&state]() -> const std::vector<ServiceCall>& { return state.calls; }, std::cout);
    script->sleep = [](std::int64_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    terminal = script.get();
  } else {
    console = std::make_unique<ConsoleTerminal>();
    if (!console->Ready()) return Fail("standard input is not a console; run with --script FILE for a scripted run");
    if (size && !console->SetSize(*size))
      return Fail("the console refuses the size " + o.size + " (a Windows console window can be no larger than the screen)");
    terminal = console.get();
  }

  HostOptions hostOptions;
  hostOptions.mute = o.mute;
  hostOptions.fixedSize = console && UnderWine();
  HostApp app(*terminal, state, clock, hostOptions);
  if (script) script->redraw = [&app] { app.Redraw(); };
  state.frontEnd = &app;

  PluginPanel panel;
  panel.fileName = FileName(pluginPath);
  panel.interfaceVersion = o.interfaceVersion;
  panel.problem = plugin.problem;
  panel.loaded = plugin.module != nullptr;
  app.SetPlugin(panel);
  app.Redraw();

  if (plugin.module == nullptr)
    app.HostMessage("Moduł dodatkowy", "Nie załadowano modułu " + panel.fileName + ":\n" + plugin.problem);
  AttachPlugin(plugin);
  panel.attachResult = plugin.attachResult;
  panel.description = plugin.description;
  app.SetPlugin(panel);
  StartPlugin(plugin);  // may show the first-run notice or the STOP message
  app.Run();

  state.frontEnd = nullptr;
  if (!script) return 0;
  script->Finish();
  return script->Failures() == 0 ? 0 : 1;
}
