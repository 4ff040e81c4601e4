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

#include "services/host_services_impl.h"

namespace {

std::string g_answers;
std::size_t g_nextAnswer = 0;
HHOOK g_hook = nullptr;
std::vector<std::string> g_report;

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out.empty() ? "-" : out;
}

std::string WindowText(HWND window) {
  char text[2048] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

constexpr UINT_PTR kAnswerTimer = 0x7A1;
constexpr char kSeenProperty[] = "talvenor-test-seen";

// Wine fills the box's text control only after activation: the box is read
// from a timer a moment later, then answered like a click on the button.
void CALLBACK AnswerBox(HWND box, UINT, UINT_PTR timer, DWORD) {
  HWND textControl = GetDlgItem(box, 0xFFFF);
  const std::string text = textControl != nullptr ? WindowText(textControl) : "";
  static int waits = 0;
  if (text.empty() && ++waits < 50) return;  // try again on the next tick
  waits = 0;
  KillTimer(box, timer);
  std::string buttons;
  if (GetDlgItem(box, IDABORT) != nullptr) buttons += 'A';
  if (GetDlgItem(box, IDRETRY) != nullptr) buttons += 'R';
  if (GetDlgItem(box, IDIGNORE) != nullptr) buttons += 'I';
  g_report.push_back("box " + Hex(WindowText(box)) + " " + Hex(text) + " " + (buttons.empty() ? "-" : buttons));
  int answer = IDABORT;
  if (g_nextAnswer < g_answers.size()) {
    const char letter = g_answers[g_nextAnswer++];
    answer = letter == 'R' ? IDRETRY : letter == 'I' ? IDIGNORE : IDABORT;
  } else {
    g_report.push_back("unscripted-box");
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

LRESULT CALLBACK WatchForBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char windowClass[32] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    // A handle may be reused by the next box; the property marks this one.
    if (std::strcmp(windowClass, "#32770") == 0 && GetPropA(window, kSeenProperty) == nullptr) {
      SetPropA(window, kSeenProperty, reinterpret_cast<HANDLE>(1));
      SetTimer(window, kAnswerTimer, 50, AnswerBox);
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

std::string ProgramDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory = path;
  return directory.substr(0, directory.find_last_of('\\') + 1);
}

// The plug-in's 17 service slots, found in its writable data: 17 words in
// a row, each the host's export of that ordinal where the host has one,
// else an address inside the plug-in (a fallback). Empty when not found.
std::vector<std::uintptr_t> FindServiceSlots(HMODULE plugin, HMODULE host) {
  auto* base = reinterpret_cast<unsigned char*>(plugin);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const std::uintptr_t imageEnd = reinterpret_cast<std::uintptr_t>(base) + nt->OptionalHeader.SizeOfImage;
  std::uintptr_t exports[talvenor::kServiceCount];
  for (int i = 0; i < talvenor::kServiceCount; ++i)
    exports[i] = reinterpret_cast<std::uintptr_t>(
        GetProcAddress(host, MAKEINTRESOURCEA(talvenor::kHostServices[i].ordinal)));
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (int s = 0; s < nt->FileHeader.NumberOfSections; ++s, ++section) {
    if ((section->Characteristics & IMAGE_SCN_MEM_WRITE) == 0) continue;
    auto* words = reinterpret_cast<std::uintptr_t*>(base + section->VirtualAddress);
    const std::size_t count = section->Misc.VirtualSize / sizeof(std::uintptr_t);
    for (std::size_t at = 0; at + talvenor::kServiceCount <= count; ++at) {
      bool match = true;
      for (int i = 0; i < talvenor::kServiceCount && match; ++i) {
        const std::uintptr_t word = words[at + i];
        match = exports[i] != 0 ? word == exports[i]
                                : word >= reinterpret_cast<std::uintptr_t>(base) && word < imageEnd;
      }
      if (match) return std::vector<std::uintptr_t>(words + at, words + at + talvenor::kServiceCount);
    }
  }
  return {};
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
  g_answers = std::strcmp(argv[2], "-") == 0 ? "" : argv[2];
  g_hook = SetWindowsHookExA(WH_CBT, WatchForBoxes, nullptr, GetCurrentThreadId());

  const std::string pluginPath = ProgramDirectory() + "talvenor.dll";
  std::printf("plugin %s\n", Hex(pluginPath).c_str());
  HMODULE plugin = LoadLibraryA(pluginPath.c_str());
  for (const std::string& line : g_report) std::printf("%s\n", line.c_str());
  std::printf("load %s\n", plugin != nullptr ? "ok" : "failed");
  if (plugin != nullptr) {
    const std::vector<std::uintptr_t> slots = FindServiceSlots(plugin, host);
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
