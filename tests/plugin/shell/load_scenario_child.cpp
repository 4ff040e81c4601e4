// One load of the real talvenor.dll, in a process of its own, as a host
// would do it: load_scenario_child <MOLRAV.dll path | -> <answers>
// loads the given MOLRAV.dll first (with "-" none: this program itself
// exports the 17 services, as a host's own program file may), then
// talvenor.dll from beside this program. Every message box is read and
// answered from <answers>: A(bort), R(etry), I(gnore), in order ("-" for
// none; a box beyond the script is aborted and reported). Prints what it
// saw, one item a line, texts as hex bytes:
//   plugin <path>          box <caption> <text> <buttons>
//   load ok|failed         slots <17 words: host|own>
//   stateflags <n>         todaytext <buffer after the call>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness/win32/message_box_answerer.h"
#include "harness/win32/plugin_service_slots.h"
#include "harness/win32/program_directory.h"
#include "services/host_services_impl.h"

namespace {

using testing_support::ProgramDirectory;

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out.empty() ? "-" : out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: load_scenario_child <MOLRAV.dll path | -> <answers | ->\n");
    return 2;
  }
  HMODULE host = GetModuleHandleA(nullptr);
  if (std::strcmp(argv[1], "-") != 0) {
    host = LoadLibraryA(argv[1]);
    if (host == nullptr) {
      std::fprintf(stderr, "cannot load %s\n", argv[1]);
      return 2;
    }
    // A host whose flags are set, so a fallback's 0 tells itself apart.
    auto controls = reinterpret_cast<standin::HostState* (*)()>(reinterpret_cast<void*>(GetProcAddress(host, "StandinControls")));
    if (controls != nullptr) controls()->stateFlags = 0x8001;
  }
  testing_support::AnswerBoxes(std::strcmp(argv[2], "-") == 0 ? "" : argv[2]);

  const std::string pluginPath = ProgramDirectory() + "talvenor.dll";
  std::printf("plugin %s\n", Hex(pluginPath).c_str());
  HMODULE plugin = LoadLibraryA(pluginPath.c_str());
  for (const auto& box : testing_support::AnsweredBoxes()) {
    std::printf("box %s %s %s\n", Hex(box.caption).c_str(), Hex(box.text).c_str(), box.buttons.c_str());
    if (!box.scripted) std::printf("unscripted-box\n");
  }
  std::printf("load %s\n", plugin != nullptr ? "ok" : "failed");
  if (plugin != nullptr) {
    const std::vector<std::uintptr_t> slots = testing_support::FindServiceSlots(plugin, host);
    std::printf("slots");
    for (int i = 0; i < static_cast<int>(slots.size()); ++i) {
      const bool fromHost =
          slots[i] == reinterpret_cast<std::uintptr_t>(GetProcAddress(host, MAKEINTRESOURCEA(talvenor::kHostServices[i].ordinal)));
      std::printf(" %s", fromHost ? "host" : "own");
    }
    std::printf("\n");
    if (slots.size() == talvenor::kServiceCount) {
      // Called as the plug-in calls them, through the slots.
      auto stateFlags = reinterpret_cast<talvenor::HostGetStateFlagsFn>(slots[talvenor::HostGetStateFlagsSlot]);
      std::printf("stateflags %d\n", static_cast<int>(stateFlags()));
      char today[12];
      std::memset(today, 'X', sizeof today);
      reinterpret_cast<talvenor::HostTodayTextFn>(slots[talvenor::HostTodayTextSlot])(today);
      std::printf("todaytext %s\n", Hex(std::string(today, sizeof today)).c_str());
    }
  }
  std::fflush(stdout);
  return 0;
}
