#pragma once
// The host of the real talvenor.dll inside a test process: the stand-in's
// services from a MOLRAV.dll loaded first, the plug-in loaded by name from
// beside this program, its clock moved through its import table, and every
// export and KeyHook call made as the host makes it, with the stack pointer
// checked around it. With the files, keys and settings its users share.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "contract/abi/plugin_exports.h"
#include "harness/scripted_front_end.h"
#include "harness/settings_file_bytes.h"
#include "harness/stack_measure.h"
#include "harness/win32/program_directory.h"
#include "services/host_services_impl.h"

namespace testing_support {

inline constexpr const auto& kMarkerFile = talvenor::kMarkerFileName;
inline constexpr std::uint32_t kKey = 0x1E61;  // 'a'
inline constexpr std::uint32_t kShiftF10 = 0x5D00;
inline constexpr std::uint32_t kConsumed = 0xFFFF;
inline constexpr char kPassword[] = "tajne";
extern const std::string kReminderText;  // Mazovia bytes

class RealPluginHost {
 public:
  RealPluginHost();
  // The hook chain outlives this object; nothing may reach the front end.
  ~RealPluginHost();

  // MOLRAV.dll from `path` (the one in the process, if already loaded), its
  // state reset and its services answering through `frontEnd`; false when
  // it cannot be loaded or has no StandinControls.
  bool LoadHost(const std::string& path);
  // talvenor.dll from beside this program, by name; false when the load fails.
  bool LoadPlugin();
  // The plug-in's GetTickCount (KERNEL32.dll) and _time64 (msvcrt.dll)
  // answer from the clock below; false when it imports either no longer.
  bool RedirectClock();

  // The exports, called with the host's stack words. `extraWords` are
  // pushed beyond the arguments PluginOptional takes: it must leave them.
  std::int32_t Attach(const void* hostContext, char* descriptionBuffer);
  std::int32_t Start(std::int32_t versionMismatch = 0);
  std::int32_t Optional(std::uint32_t extraWords);
  // One key code through the head of the host's hook chain, as the host
  // calls it; 0xFFFF = consumed.
  std::uint32_t Press(std::uint32_t key);

  // The clock the plug-in reads once redirected: milliseconds, and seconds
  // since 1970.
  static inline std::uint32_t ticks = 0;
  static inline std::int64_t seconds = 0;

  bool InPlugin(const void* address) const;
  // Recorded service calls in their readable form, of one service.
  std::vector<std::string> CallTexts(const std::string& service) const;

  HMODULE molrav = nullptr;
  standin::HostState* host = nullptr;
  HMODULE plugin = nullptr;
  standin::ScriptedFrontEnd frontEnd;

 private:
  // `words` on the stack; the callee must remove `poppedBytes` of them.
  std::uintptr_t Call(const void* function, const StackWord* words, std::uint32_t count, std::uint32_t poppedBytes,
                      const char* what);
  // The export called with `words`; it must remove the table's argument
  // bytes. `whenMissing` (with a failure) if there is none.
  std::int32_t CallExport(const talvenor::PluginExportInfo& entry, const StackWord* words, std::uint32_t count,
                          std::int32_t whenMissing);
};

bool FileExists(const char* name);

// A text copied into a fixed-width field, NUL-padded.
template <std::size_t N> void SetField(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

// On, every minute from the front end's today, 08:00 to 16:00, behind
// kPassword.
talvenor::ReminderSettings DueEveryMinute();

}  // namespace testing_support
