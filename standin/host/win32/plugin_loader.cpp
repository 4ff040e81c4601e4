#include "plugin_loader.h"

#include <cstring>

namespace standin::host {

namespace {

constexpr WORD kPluginAttach = 30001, kPluginStart = 30008;
constexpr std::size_t kDescriptionBuffer = 256;  // the plug-in writes 125 bytes

using PluginAttachFn = std::int32_t(__stdcall*)(void* hostContext, char* descriptionBuffer);
using PluginStartFn = std::int32_t(__stdcall*)(std::int32_t versionMismatch);

// What the host hands over as its context; the plug-in only checks that it
// is there.
struct HostContext {
  char name[16] = "MOLRAV";
} g_context;

std::string LastError() {
  const DWORD code = GetLastError();
  char text[256] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text, nullptr);
  std::string message = text;
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) message.pop_back();
  return "kod " + std::to_string(code) + (message.empty() ? "" : ": " + message);
}

}  // namespace

LoadedPlugin LoadPlugin(const std::string& path) {
  LoadedPlugin plugin;
  plugin.module = LoadLibraryA(path.c_str());
  if (plugin.module == nullptr) {
    plugin.problem = "Windows nie załadował modułu (" + LastError() + ")";
    return plugin;
  }
  const auto attach = reinterpret_cast<PluginAttachFn>(reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginAttach))));
  if (attach == nullptr || GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginStart)) == nullptr) {
    plugin.problem = "moduł nie eksportuje 30001 i 30008: to nie jest wtyczka programu";
    FreeLibrary(plugin.module);
    plugin.module = nullptr;
  }
  return plugin;
}

void AttachPlugin(LoadedPlugin& plugin) {
  if (plugin.module == nullptr) return;
  const auto attach = reinterpret_cast<PluginAttachFn>(reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginAttach))));
  char description[kDescriptionBuffer] = {};
  plugin.attachResult = attach(&g_context, description);
  description[kDescriptionBuffer - 1] = 0;
  plugin.description = description;
}

void StartPlugin(const LoadedPlugin& plugin) {
  if (plugin.module == nullptr) return;
  const auto start = reinterpret_cast<PluginStartFn>(reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginStart))));
  start(plugin.attachResult == 0 ? 0 : 1);
}

bool RedirectPluginClock(HMODULE module, DWORD(WINAPI* ticks)(), long long(__cdecl* utcSeconds)(long long*),
                         long(__cdecl* utcSeconds32)(long*)) {
  auto* base = reinterpret_cast<unsigned char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return false;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return false;
  struct Redirect {
    const char* name;
    void* replacement;
  };
  const Redirect redirects[] = {
      {"GetTickCount", reinterpret_cast<void*>(ticks)},
      {"_time64", reinterpret_cast<void*>(utcSeconds)},
      {"_time32", reinterpret_cast<void*>(utcSeconds32)},
      {"time", reinterpret_cast<void*>(utcSeconds32)},  // msvcrt's time() is the 32-bit one
  };
  bool redirected = false;
  for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name != 0;
       ++import) {
    if (import->OriginalFirstThunk == 0) continue;  // names unknown: leave it
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      for (const Redirect& r : redirects) {
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), r.name) != 0) continue;
        DWORD protection = 0;
        if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection)) continue;
        slots->u1.Function = reinterpret_cast<ULONG_PTR>(r.replacement);
        VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
        redirected = true;
      }
    }
  }
  return redirected;
}

}  // namespace standin::host
