// talhost.exe: the stand-in host program. Loads MOLRAV.dll (linked, as the
// real program's own module) and a plug-in, runs the plug-in protocol and
// then its main screen in the console, or, with --script, plays a script
// without a terminal and prints the screens and the plug-in's service calls.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <thread>

#include "console_terminal.h"
#include "contract/host_constants.h"
#include "contract/user_language.h"
#include "core/command_line.h"
#include "core/host_app.h"
#include "core/host_texts.h"
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

// Help and refusals: UTF-16 to a console window, so Polish letters show
// whatever its code page; UTF-8 bytes to a file or pipe.
void Print(DWORD stream, const std::string& utf8) {
  const HANDLE handle = GetStdHandle(stream);
  DWORD mode = 0, written = 0;
  if (GetConsoleMode(handle, &mode)) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), static_cast<int>(wide.size()))));
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  }
}

int Fail(const std::string& message) {
  Print(STD_ERROR_HANDLE, "talhost: " + message + "\n");
  return 2;
}

// Wine's console keeps the size it started with, whatever its terminal does.
bool UnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  text::UseLanguage(talvenor::SystemUserLanguage());
  std::string error;
  const std::optional<CommandLine> read = ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!read) return Fail(error);
  const CommandLine& o = *read;
  if (o.help) {
    Print(STD_OUTPUT_HANDLE, CommandLineHelp());
    return 0;
  }
  const int interfaceVersion = o.interfaceVersion.value_or(talvenor::kHostInterfaceVersion);
  const bool scripted = !o.script.empty();
  std::vector<ScriptCommand> commands;
  ScriptOptions scriptOptions;
  if (scripted) {
    std::ifstream in(o.script, std::ios::binary);
    if (!in) return Fail(text::Say(text::kScriptUnreadable, {o.script}));
    std::stringstream contents;
    contents << in.rdbuf();
    auto parsed = ParseScript(contents.str(), &error);
    if (!parsed) return Fail(o.script + ": " + error);
    commands = std::move(*parsed);
    scriptOptions.size = o.size.value_or(ScreenSize{100, 30});
    scriptOptions.everyScreen = o.everyScreen;
    // Screens go out as UTF-8 bytes, lines ending in \n alone.
    _setmode(_fileno(stdout), _O_BINARY);
  }
  if (!o.directory.empty() && !SetCurrentDirectoryA(o.directory.c_str())) return Fail(text::Say(text::kCannotEnter, {o.directory}));

  HostState& state = *StandinControls();
  state.interfaceVersion = interfaceVersion;
  const std::string pluginPath = o.plugin.empty() ? BesideThisProgram("talvenor.dll") : o.plugin;

  // Loading runs the plug-in's probes against MOLRAV.dll, before any export.
  LoadedPlugin plugin = LoadPlugin(pluginPath);
  bool scriptedClock = scripted && !o.realClock;
  if (scriptedClock && plugin.module != nullptr && !RedirectPluginClock(plugin.module, PluginTickCount, PluginTime64, PluginTime32))
    scriptedClock = false;  // it reads no clock we know of: waits take real time

  HostClock clock(SystemClock(), scriptedClock);
  g_clock = &clock;
  if (o.today) clock.SetToday(*o.today);
  if (o.secondOfDay) clock.SetTimeOfDay(*o.secondOfDay);

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
    if (!console->Ready()) return Fail(text::Say(text::kNotAConsole));
    if (o.size && !console->SetSize(*o.size))
      return Fail(text::Say(text::kConsoleRefusesSize, {std::to_string(o.size->width) + "x" + std::to_string(o.size->height)}));
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
  panel.interfaceVersion = interfaceVersion;
  panel.problem = plugin.problem;
  panel.loaded = plugin.module != nullptr;
  app.SetPlugin(panel);
  app.Redraw();

  if (plugin.module == nullptr)
    app.HostMessage(text::kModuleTitle, text::Fill(text::kModuleNotLoaded, {panel.fileName, plugin.problem}));
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
