#pragma once
// Loading a plug-in the way the host program does: through the Windows
// loader (which runs its load-time service probes against MOLRAV.dll), its
// exports found by ordinal only, then the host's protocol:
// PluginAttach(context, buffer), and PluginStart(0) when it answered 0,
// PluginStart(1) when it answered anything else.
#include <windows.h>

#include <cstdint>
#include <string>

namespace standin::host {

struct LoadedPlugin {
  HMODULE module = nullptr;
  std::string problem;             // UTF-8: why it could not be loaded
  std::int32_t attachResult = 0;
  std::string description;         // Mazovia, what PluginAttach wrote
};

// Loads the module (its load-time probes run now) and finds its exports.
LoadedPlugin LoadPlugin(const std::string& path);
// PluginAttach(context, buffer): keeps its answer and the description.
void AttachPlugin(LoadedPlugin& plugin);
// PluginStart with 0 when the attach answered 0, else with 1.
void StartPlugin(const LoadedPlugin& plugin);

// Lets the plug-in read the time through `ticks` and `utcSeconds` instead
// of GetTickCount and _time64/_time32/time: its import slots for them are
// pointed at the host's clock. Returns false when it imports none of them.
bool RedirectPluginClock(HMODULE module, DWORD(WINAPI* ticks)(), long long(__cdecl* utcSeconds)(long long*),
                         long(__cdecl* utcSeconds32)(long*));

}  // namespace standin::host
