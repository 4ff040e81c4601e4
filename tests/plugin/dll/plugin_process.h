#pragma once
// The child side: this process is the host of the real talvenor.dll (see
// support/real_plugin_host.h), with the stand-in's services from a
// MOLRAV.dll chosen by path, loaded before the plug-in as a host has its
// own module loaded.
#include <cstdint>
#include <string>
#include <vector>

#include "harness/file_bytes.h"
#include "harness/settings_file_bytes.h"
#include "harness/win32/program_directory.h"
#include "reminder/dialog_templates.h"
#include "reminder/reminder_settings.h"
#include "support/win32/real_plugin_host.h"

namespace matrix {

using testing_support::kSettingsFile;
inline constexpr const auto& kMarkerFile = talvenor::kMarkerFileName;
inline constexpr std::uint32_t kKey = 0x1E61;  // 'a'
inline constexpr std::uint32_t kShiftF10 = 0x5D00;
inline constexpr std::uint32_t kConsumed = 0xFFFF;
inline constexpr char kPassword[] = "tajne";
inline constexpr char kEditedText[] = "Zmieniono w konfiguracji";
// The host's flags as the plug-in finds them: one bit of the host's own,
// so that a fallback's 0 tells itself apart, and 0x8000 clear.
inline constexpr std::uint16_t kHostFlags = 0x0001;

using testing_support::ProgramDirectory;

class PluginProcess : public testing_support::RealPluginHost {
 public:
  PluginProcess();

  // Loads MOLRAV.dll from `path`; its services answer through `frontEnd`.
  bool LoadHost(const std::string& path);

  // PluginAttach with a description buffer, which must get the description.
  std::int32_t Attach();
  // The first key (no check), a check 5001 ms later that starts the
  // interval, then a check one minute on, when a reminder of every minute
  // is due. Each key must come back unchanged.
  void PressUntilDue();

  // Messages shown through the host, as names: "notice" (first run),
  // "switched-off", "wrong-password", "not-saved", "stays-on",
  // "unreadable", "may-be-incomplete", or the text itself.
  std::vector<std::string> Messages() const;

  HMODULE molrav = nullptr;
  // The user (frontEnd): types the password wherever one is asked, and in
  // the configuration writes kEditedText and switches the reminder on.
  bool flagHeldInReminder = false;  // 0x8000 set while the reminder dialog was open
};

// On, every minute from the front end's today, 08:00 to 16:00, behind kPassword.
talvenor::ReminderSettings DueEveryMinute();
// What the user's configuration dialog makes of `settings`.
talvenor::ReminderSettings Configured(talvenor::ReminderSettings settings);
using testing_support::SettingsFileBytes;

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
bool IsDirectory(const char* name);

}  // namespace matrix
