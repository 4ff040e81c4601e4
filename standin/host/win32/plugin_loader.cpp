#include "plugin_loader.h"

#include "contract/plugin_exports.h"
#include "core/host_texts.h"
#include "import_patch.h"

namespace standin::host {

namespace {

using talvenor::kPluginAttachOrdinal;
using talvenor::kPluginStartOrdinal;
using talvenor::PluginAttachFn;
using talvenor::PluginStartFn;

constexpr std::size_t kDescriptionBuffer = 256;  // the plug-in writes 125 bytes

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
  return text::Fill(text::kWindowsErrorCode, {std::to_string(code)}) + (message.empty() ? "" : ": " + message);
}

}  // namespace

LoadedPlugin LoadPlugin(const std::string& path) {
  LoadedPlugin plugin;
  plugin.module = LoadLibraryA(path.c_str());
  if (plugin.module == nullptr) {
    plugin.problem = text::Fill(text::kWindowsRefusedModule, {LastError()});
    return plugin;
  }
  const auto attach = reinterpret_cast<PluginAttachFn>(reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginAttachOrdinal))));
  if (attach == nullptr || GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginStartOrdinal)) == nullptr) {
    plugin.problem = text::Fill(text::kNotAPlugin, {std::to_string(kPluginAttachOrdinal), std::to_string(kPluginStartOrdinal)});
    FreeLibrary(plugin.module);
    plugin.module = nullptr;
  }
  return plugin;
}

void AttachPlugin(LoadedPlugin& plugin) {
  if (plugin.module == nullptr) return;
  const auto attach = reinterpret_cast<PluginAttachFn>(reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginAttachOrdinal))));
  char description[kDescriptionBuffer] = {};
  plugin.attachResult = attach(&g_context, description);
  description[kDescriptionBuffer - 1] = 0;
  plugin.description = description;
}

void StartPlugin(const LoadedPlugin& plugin) {
  if (plugin.module == nullptr) return;
  const auto start = reinterpret_cast<PluginStartFn>(reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(kPluginStartOrdinal))));
  start(plugin.attachResult == 0 ? 0 : 1);
}

bool RedirectPluginClock(HMODULE module, DWORD(WINAPI* ticks)(), long long(__cdecl* utcSeconds)(long long*),
                         long(__cdecl* utcSeconds32)(long*)) {
  // Every slot is tried, whichever library it comes from.
  bool redirected = PatchImport(module, nullptr, "GetTickCount", reinterpret_cast<const void*>(ticks));
  redirected |= PatchImport(module, nullptr, "_time64", reinterpret_cast<const void*>(utcSeconds));
  redirected |= PatchImport(module, nullptr, "_time32", reinterpret_cast<const void*>(utcSeconds32));
  redirected |= PatchImport(module, nullptr, "time", reinterpret_cast<const void*>(utcSeconds32));  // msvcrt's time() is the 32-bit one
  return redirected;
}

}  // namespace standin::host
