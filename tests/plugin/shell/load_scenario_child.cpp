// The real talvenor.dll loaded, in a process of its own, by a host whose
// own program file exports the 17 services (this program does), with no
// MOLRAV.dll: talvenor.dll from beside this program, any message box
// aborted. Prints what it saw:
//   boxes <n>
//   load ok|failed
//   slots <17 when the service slots hold the host's exports in order, else 0>
#include <windows.h>

#include <cstdio>

#include "harness/win32/message_box_answerer.h"
#include "harness/win32/plugin_service_slots.h"
#include "harness/win32/program_directory.h"

int main() {
  const HMODULE host = GetModuleHandleA(nullptr);
  testing_support::AnswerBoxes("");
  const HMODULE plugin = LoadLibraryA((testing_support::ProgramDirectory() + "talvenor.dll").c_str());
  std::printf("boxes %d\n", static_cast<int>(testing_support::AnsweredBoxes().size()));
  std::printf("load %s\n", plugin != nullptr ? "ok" : "failed");
  if (plugin != nullptr)
    std::printf("slots %d\n", static_cast<int>(testing_support::FindServiceSlots(plugin, host).size()));
  std::fflush(stdout);
  return 0;
}
