#include "plugin_process.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "e2e/import_patch.h"
#include "support/stack_measure.h"
#include "reminder/dialog_templates.h"
#include "reminder/reminder_prompt.h"
#include "text/texts.h"

namespace matrix {

namespace {

std::uint32_t g_ticks = 0;
std::int64_t g_seconds = 0;

DWORD WINAPI ScriptedTickCount() { return g_ticks; }

__time64_t __cdecl ScriptedTime64(__time64_t* result) {
  if (result != nullptr) *result = g_seconds;
  return g_seconds;
}

template <std::size_t N>
void SetField(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

// One call into the plug-in with `words` on the stack, as the host makes it.
std::uint32_t CallPlugin(const void* function, const std::vector<std::uint32_t>& words, const char* what) {
  if (function == nullptr) {
    ADD_FAILURE() << "the plug-in has no " << what;
    return 0;
  }
  MeasuredResult measured{};
  MeasuredCall(function, words.data(), static_cast<std::uint32_t>(words.size()), &measured);
  EXPECT_EQ(measured.popped, 4 * words.size()) << what << " must remove its own arguments, no more, no less";
  return measured.result;
}

}  // namespace

PluginProcess::PluginProcess() {
  g_ticks = ticks_;
  g_seconds = seconds_;
  for (int i = 0; i < 4; ++i)
    frontEnd.dialogActions.push_back([this](void*, std::int32_t number, void* buffer) {
      if (number == talvenor::kReminderDialog) {
        flagHeldInReminder = state != nullptr && (state->stateFlags & 0x8000) != 0;
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

PluginProcess::~PluginProcess() {
  // The hook chain outlives this object; nothing may reach the front end.
  if (state != nullptr) state->frontEnd = nullptr;
}

bool PluginProcess::LoadHost(const std::string& path) {
  host = LoadLibraryA(path.c_str());
  if (host == nullptr) return false;
  auto controls =
      reinterpret_cast<standin::HostState* (*)()>(reinterpret_cast<void*>(GetProcAddress(host, "StandinControls")));
  if (controls == nullptr) return false;
  state = controls();
  state->frontEnd = &frontEnd;
  state->stateFlags = kHostFlags;
  return true;
}

bool PluginProcess::LoadPlugin() {
  plugin = LoadLibraryA("talvenor.dll");
  return plugin != nullptr;
}

bool PluginProcess::RedirectClock() {
  return PatchImport(plugin, "KERNEL32.dll", "GetTickCount", reinterpret_cast<const void*>(&ScriptedTickCount)) &&
         PatchImport(plugin, "msvcrt.dll", "_time64", reinterpret_cast<const void*>(&ScriptedTime64));
}

std::int32_t PluginProcess::Attach() {
  char description[200];
  std::memset(description, 'X', sizeof description);
  const auto result = static_cast<std::int32_t>(CallPlugin(
      reinterpret_cast<const void*>(GetProcAddress(plugin, MAKEINTRESOURCEA(30001))),
      {reinterpret_cast<std::uint32_t>(this), reinterpret_cast<std::uint32_t>(description)}, "PluginAttach"));
  EXPECT_EQ(std::string(description), talvenor::text::kPluginDescription.data());
  return result;
}

std::int32_t PluginProcess::Start() {
  return static_cast<std::int32_t>(
      CallPlugin(reinterpret_cast<const void*>(GetProcAddress(plugin, MAKEINTRESOURCEA(30008))), {0}, "PluginStart"));
}

std::uint32_t PluginProcess::Press(std::uint32_t key) {
  if (state->keyHook == nullptr) {
    ADD_FAILURE() << "no key hook installed";
    return key;
  }
  return CallPlugin(reinterpret_cast<const void*>(state->keyHook), {key}, "KeyHook");
}

void PluginProcess::PressUntilDue() {
  g_ticks = ticks_;
  EXPECT_EQ(Press(kKey), kKey);
  ticks_ += 5001;
  g_ticks = ticks_;
  EXPECT_EQ(Press(kKey), kKey);
  ticks_ += 5001;
  seconds_ += 60;
  g_ticks = ticks_;
  g_seconds = seconds_;
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

std::string StoredBytes(const talvenor::ReminderSettings& settings) {
  std::string bytes(reinterpret_cast<const char*>(&settings), sizeof settings);
  for (char& byte : bytes) byte = static_cast<char>(~byte);
  return bytes;
}

bool FileExists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace matrix
