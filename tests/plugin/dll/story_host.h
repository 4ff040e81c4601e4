#pragma once
// One story's host, inside the child process that runs it: the stand-in's
// services from MOLRAV.dll (linked, so loaded before the plug-in), the
// real talvenor.dll from beside this program, its clock redirected to
// values the story sets (see support/real_plugin_host.h).
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "harness/file_bytes.h"
#include "harness/settings_file_bytes.h"
#include "reminder/reminder_settings.h"
#include "support/win32/real_plugin_host.h"

namespace e2e {

using testing_support::kSettingsFile;
inline constexpr const auto& kMarkerFile = talvenor::kMarkerFileName;

class Story : public ::testing::Test, public testing_support::RealPluginHost {
 protected:
  void SetUp() override;
  void TearDown() override;

  bool InPlugin(const void* address) const;
  // Recorded service calls in their readable form, of one service.
  std::vector<std::string> CallTexts(const std::string& service) const;
};

using testing_support::SettingsFileBytes;
using testing_support::WriteSettingsFile;
// The record in infprz.dat, if the file holds exactly 591 bytes.
std::optional<talvenor::ReminderSettings> ReadSettingsFile();

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::SetField;
using testing_support::WriteFileBytes;

}  // namespace e2e
