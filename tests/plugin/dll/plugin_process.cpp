#include "plugin_process.h"

#include <cstring>

#include "reminder/reminder_prompt.h"
#include "text/texts.h"

namespace matrix {

using testing_support::SetField;

PluginProcess::PluginProcess() {
  for (int i = 0; i < 4; ++i)
    frontEnd.dialogActions.push_back([this](void*, std::int32_t number, void* buffer) {
      if (number == talvenor::kReminderDialog) {
        flagHeldInReminder = host != nullptr && (host->stateFlags & 0x8000) != 0;
        SetField(static_cast<talvenor::ReminderPrompt*>(buffer)->enteredPassword, kPassword);
      } else if (number == talvenor::kPasswordDialog) {
        SetField(*static_cast<char(*)[21]>(buffer), kPassword);
      } else if (number == talvenor::kConfigurationDialog) {
        auto* settings = static_cast<talvenor::ReminderSettings*>(buffer);
        *settings = Configured(*settings);
      }
      return 1;
    });
}

bool PluginProcess::LoadHost(const std::string& path) {
  molrav = LoadLibraryA(path.c_str());
  if (molrav == nullptr) return false;
  auto controls =
      reinterpret_cast<standin::HostState* (*)()>(reinterpret_cast<void*>(GetProcAddress(molrav, "StandinControls")));
  if (controls == nullptr || !UseHost(controls())) return false;
  host->stateFlags = kHostFlags;
  return true;
}

std::int32_t PluginProcess::Attach() {
  char description[200];
  std::memset(description, 'X', sizeof description);
  const std::int32_t result = RealPluginHost::Attach(this, description);
  EXPECT_EQ(std::string(description, strnlen(description, sizeof description)),
            talvenor::text::kPluginDescription.data());
  return result;
}

void PluginProcess::PressUntilDue() {
  EXPECT_EQ(Press(kKey), kKey);
  SetTicks(Ticks() + 5001);
  EXPECT_EQ(Press(kKey), kKey);
  SetTicks(Ticks() + 5001);
  SetSeconds(Seconds() + 60);
  EXPECT_EQ(Press(kKey), kKey);
}

std::vector<std::string> PluginProcess::Messages() const {
  const std::string notice = std::string(talvenor::text::kPluginDescription.data()) + "\n";
  std::vector<std::string> names;
  for (const auto& message : frontEnd.messages) {
    if (message.text == notice)
      names.push_back("notice");
    else if (message.text == talvenor::text::kReminderSwitchedOff.data())
      names.push_back("switched-off");
    else if (message.text == talvenor::text::kWrongPassword.data())
      names.push_back("wrong-password");
    else if (message.text == talvenor::text::kSettingsNotSaved.data())
      names.push_back("not-saved");
    else if (message.text == talvenor::text::kReminderStaysOn.data())
      names.push_back("stays-on");
    else if (message.text == talvenor::text::kSettingsUnreadable.data())
      names.push_back("unreadable");
    else if (message.text == talvenor::text::kSettingsMayBeIncomplete.data())
      names.push_back("may-be-incomplete");
    else
      names.push_back(message.text);
  }
  return names;
}

talvenor::ReminderSettings DueEveryMinute() {
  talvenor::ReminderSettings settings{};
  SetField(settings.text, TALVENOR_MAZOVIA("Zadzwoń do klienta").data());
  SetField(settings.schedules[0].startDate, standin::ScriptedFrontEnd{}.today);
  settings.schedules[0].intervalMinutes = 1;
  SetField(settings.schedules[0].fromTime, "08:00:00");
  SetField(settings.schedules[0].toTime, "16:00:00");
  SetField(settings.password, kPassword);
  settings.enabled = 1;
  return settings;
}

talvenor::ReminderSettings Configured(talvenor::ReminderSettings settings) {
  SetField(settings.text, kEditedText);
  settings.enabled = 1;
  return settings;
}

bool IsDirectory(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace matrix
