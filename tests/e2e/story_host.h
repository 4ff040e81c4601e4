#pragma once
// One story's host, inside the child process that runs it: the stand-in's
// services from MOLRAV.dll (linked, so loaded before the plug-in), the
// real talvenor.dll loaded by name from beside this program, its exports
// found by ordinal, and its clock redirected to values the story sets.
// Every export and KeyHook call goes through here, so the stack pointer is
// checked around each of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "reminder/reminder_settings.h"
#include "services/host_services_impl.h"
#include "support/scripted_front_end.h"
#include "support/file_bytes.h"

namespace e2e {

inline constexpr char kSettingsFile[] = "infprz.dat";
inline constexpr char kMarkerFile[] = "talvenor.xxx";

class Story : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The exports, called with the host's stack words. `extraWords` are
  // pushed beyond the arguments PluginOptional takes: it must leave them.
  std::int32_t Attach(const void* hostContext, char* descriptionBuffer);
  std::int32_t Start(std::int32_t versionMismatch);
  std::int32_t Optional(std::uint32_t extraWords);
  // One key code through the head of the host's hook chain, as the host
  // calls it; 0xFFFF = consumed.
  std::uint32_t Press(std::uint32_t key);

  // The clock the plug-in reads from now on.
  static void SetTicks(std::uint32_t milliseconds);
  static void SetSeconds(std::int64_t secondsSince1970);

  bool InPlugin(const void* address) const;
  // Recorded service calls in their readable form, of one service.
  std::vector<std::string> CallTexts(const std::string& service) const;

  standin::HostState* host = nullptr;
  standin::ScriptedFrontEnd frontEnd;
  HMODULE plugin = nullptr;

 private:
  const void* ExportByOrdinal(unsigned ordinal) const;
};

// infprz.dat as the plug-in stores it: every byte complemented.
void WriteSettingsFile(const talvenor::ReminderSettings& settings);
// The record in infprz.dat, if the file holds exactly 591 bytes.
std::optional<talvenor::ReminderSettings> ReadSettingsFile();

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
bool FileExists(const char* name);

// A text copied into a fixed-width field, NUL-padded.
template <std::size_t N> void SetField(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

}  // namespace e2e
