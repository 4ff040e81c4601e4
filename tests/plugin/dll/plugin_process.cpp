#include "plugin_process.h"

#include <cstring>

#include "reminder/reminder_prompt.h"
#include "text/texts.h"

namespace matrix {

PluginProcess::PluginProcess() {
  for (int i = 0; i < 4; ++i)
    frontEnd.dialogActions.push_back([this](void*, std::int32_t number, void* buffer) {
      if (number == talvenor::kReminderDialog) {
        flagHeldInReminder = host != nullptr && (host->stateFlags & 0x8000) != 0;
        SetField(static_cast<talvenor::ReminderPrompt*>(buffer)->enteredPassword, kPassword);
      } else if (number == talvenor::kPasswordDialog) {
        auto& entry = *static_cast<char(*)[21]>(buffer);
        EXPECT_EQ(std::string(entry, sizeof entry), std::string(sizeof entry, '\0')) << "the entry starts empty";
        SetField(entry, kPassword);
      } else if (number == talvenor::kConfigurationDialog) {
        auto* settings = static_cast<talvenor::ReminderSettings*>(buffer);
        EXPECT_EQ(SettingsFileBytes(*settings), SettingsFileBytes(SettingsFromFileBytes(ReadFileBytes(kSettingsFile))))
            << "the configuration opens over the stored record (all zeros without one)";
        *settings = Configured(*settings);
      }
      return 1;
    });
}

bool PluginProcess::LoadHost(const std::string& path) {
  if (!RealPluginHost::LoadHost(path)) return false;
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
  ticks += 5001;
  EXPECT_EQ(Press(kKey), kKey);
  ticks += 5001;
  seconds += 60;
  EXPECT_EQ(Press(kKey), kKey);
}

std::vector<std::string> PluginProcess::Messages() const {
  using namespace talvenor::text;
  const std::pair<std::string, const char*> known[] = {
      {std::string(kPluginDescription.data()) + "\n", "notice"}, {kReminderSwitchedOff.data(), "switched-off"},
      {kWrongPassword.data(), "wrong-password"},                 {kSettingsNotSaved.data(), "not-saved"},
      {kReminderStaysOn.data(), "stays-on"},                     {kSettingsUnreadable.data(), "unreadable"},
      {kSettingsMayBeIncomplete.data(), "may-be-incomplete"},
  };
  std::vector<std::string> names;
  for (const auto& message : frontEnd.messages) {
    names.push_back(message.text);
    for (const auto& [text, name] : known)
      if (message.text == text) names.back() = name;
  }
  return names;
}

talvenor::ReminderSettings Configured(talvenor::ReminderSettings settings) {
  SetField(settings.text, kEditedText);
  settings.enabled = 1;
  return settings;
}

}  // namespace matrix
