#include "story_host.h"

#include <cstring>

#include "harness/win32/program_directory.h"

extern "C" __declspec(dllimport) standin::HostState* StandinControls();

namespace e2e {

void Story::SetUp() {
  ASSERT_TRUE(UseHost(StandinControls()));

  // By name, as a host does: the loader finds the one built beside us.
  ASSERT_TRUE(LoadPlugin()) << "LoadLibrary(\"talvenor.dll\") failed, error " << GetLastError();
  char path[MAX_PATH] = "";
  GetModuleFileNameA(plugin, path, MAX_PATH);
  ASSERT_EQ(std::string(path), testing_support::ProgramDirectory() + "talvenor.dll") << "loaded some other talvenor.dll";
  ASSERT_TRUE(host->calls.empty()) << "the load itself calls no host service, it only binds them";

  ASSERT_TRUE(RedirectClock()) << "talvenor.dll no longer imports GetTickCount and _time64: the stories cannot move its clock";
}

void Story::TearDown() {
  EXPECT_TRUE(frontEnd.dialogActions.empty()) << frontEnd.dialogActions.size() << " scripted dialog(s) never ran";
}

bool Story::InPlugin(const void* address) const {
  auto* base = reinterpret_cast<const unsigned char*>(plugin);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  auto* at = static_cast<const unsigned char*>(address);
  return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}

std::vector<std::string> Story::CallTexts(const std::string& service) const {
  std::vector<std::string> texts;
  for (const auto& call : host->calls)
    if (call.name == service) texts.push_back(call.text);
  return texts;
}

std::optional<talvenor::ReminderSettings> ReadSettingsFile() {
  const std::string bytes = ReadFileBytes(kSettingsFile);
  if (bytes.size() != talvenor::kSettingsFileSize) return std::nullopt;
  return testing_support::SettingsFromFileBytes(bytes);
}

}  // namespace e2e
