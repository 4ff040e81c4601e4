#pragma once
// The child side of the matrix: this process is the host of the real
// talvenor.dll (see support/win32/real_plugin_host.h), with the stand-in's
// services from a MOLRAV.dll chosen by path, loaded before the plug-in as
// a host has its own module loaded.
#include <cstdint>
#include <string>
#include <vector>

#include "reminder/dialog_templates.h"
#include "support/win32/child_tests.h"
#include "support/win32/real_plugin_host.h"

namespace matrix {

using namespace testing_support;

inline constexpr char kEditedText[] = "Zmieniono w konfiguracji";
// The host's flags as the plug-in finds them: one bit of the host's own,
// so that a fallback's 0 tells itself apart, and 0x8000 clear.
inline constexpr std::uint16_t kHostFlags = 0x0001;

class PluginProcess : public RealPluginHost {
 public:
  PluginProcess();

  // MOLRAV.dll from `path`, the host's flags kHostFlags.
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

  // The user (frontEnd): types the password wherever one is asked, and in
  // the configuration writes kEditedText and switches the reminder on.
  bool flagHeldInReminder = false;  // 0x8000 set while the reminder dialog was open
};

// What the user's configuration dialog makes of `settings`.
talvenor::ReminderSettings Configured(talvenor::ReminderSettings settings);

}  // namespace matrix
