// One load of the real talvenor.dll, in a process of its own, as a host
// would do it: load_scenario_child <MOLRAV.dll path | -> loads the given
// MOLRAV.dll first (with "-" none: this program itself exports the 17
// services, as a host's own program file may), then talvenor.dll from
// beside this program. Any message box is aborted. Prints what it saw, one
// item a line:
//   boxes <n>       load ok|failed
//   slots <17 words: host|own>       stateflags <n>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness/win32/message_box_answerer.h"
#include "harness/win32/plugin_service_slots.h"
#include "harness/win32/program_directory.h"
#include "services/host_services_impl.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: load_scenario_child <MOLRAV.dll path | ->\n");
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
  testing_support::AnswerBoxes("");

  HMODULE plugin = LoadLibraryA((testing_support::ProgramDirectory() + "talvenor.dll").c_str());
  std::printf("boxes %d\n", static_cast<int>(testing_support::AnsweredBoxes().size()));
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
      // Called as the plug-in calls it, through its slot.
      auto stateFlags = reinterpret_cast<talvenor::HostGetStateFlagsFn>(slots[talvenor::HostGetStateFlagsSlot]);
      std::printf("stateflags %d\n", static_cast<int>(stateFlags()));
    }
  }
  std::fflush(stdout);
  return 0;
}
