#include "story_host.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "import_patch.h"
#include "support/program_directory.h"
#include "support/stack_measure.h"

extern "C" __declspec(dllimport) standin::HostState* StandinControls();

namespace e2e {

namespace {

using testing_support::ProgramDirectory;

std::uint32_t g_ticks = 0;
std::int64_t g_seconds = 0;

DWORD WINAPI ScriptedTickCount() { return g_ticks; }

__time64_t __cdecl ScriptedTime64(__time64_t* result) {
  if (result != nullptr) *result = g_seconds;
  return g_seconds;
}

}  // namespace

void Story::SetUp() {
  host = StandinControls();
  ASSERT_NE(host, nullptr);
  *host = standin::HostState{};
  host->frontEnd = &frontEnd;
  SetTicks(1000);
  SetSeconds(1'800'000'000);

  // By name, as a host does: the loader finds the one built beside us.
  plugin = LoadLibraryA("talvenor.dll");
  ASSERT_NE(plugin, nullptr) << "LoadLibrary(\"talvenor.dll\") failed, error " << GetLastError();
  char path[MAX_PATH] = "";
  GetModuleFileNameA(plugin, path, MAX_PATH);
  ASSERT_EQ(std::string(path), ProgramDirectory() + "talvenor.dll") << "loaded some other talvenor.dll";
  ASSERT_TRUE(host->calls.empty()) << "the load itself calls no host service, it only binds them";

  ASSERT_TRUE(PatchImport(plugin, "KERNEL32.dll", "GetTickCount", reinterpret_cast<const void*>(&ScriptedTickCount)))
      << "talvenor.dll no longer imports GetTickCount: the stories cannot move its clock";
  ASSERT_TRUE(PatchImport(plugin, "msvcrt.dll", "_time64", reinterpret_cast<const void*>(&ScriptedTime64)))
      << "talvenor.dll no longer imports _time64: the stories cannot move its clock";
}

void Story::TearDown() {
  // The hook chain outlives the story; nothing may call into the front end
  // after it is gone.
  if (host != nullptr) host->frontEnd = nullptr;
  EXPECT_TRUE(frontEnd.dialogActions.empty()) << frontEnd.dialogActions.size() << " scripted dialog(s) never ran";
}

const void* Story::ExportByOrdinal(unsigned ordinal) const {
  return reinterpret_cast<const void*>(GetProcAddress(plugin, MAKEINTRESOURCEA(ordinal)));
}

std::int32_t Story::Attach(const void* hostContext, char* descriptionBuffer) {
  const void* attach = ExportByOrdinal(30001);
  if (attach == nullptr) {
    ADD_FAILURE() << "no export 30001 (PluginAttach)";
    return 0;
  }
  const std::uint32_t words[] = {reinterpret_cast<std::uint32_t>(hostContext),
                                 reinterpret_cast<std::uint32_t>(descriptionBuffer)};
  MeasuredResult measured{};
  MeasuredCall(attach, words, 2, &measured);
  EXPECT_EQ(measured.popped, 8u) << "PluginAttach must remove its two arguments";
  return static_cast<std::int32_t>(measured.result);
}

std::int32_t Story::Start(std::int32_t versionMismatch) {
  const void* start = ExportByOrdinal(30008);
  if (start == nullptr) {
    ADD_FAILURE() << "no export 30008 (PluginStart)";
    return -1;
  }
  const std::uint32_t words[] = {static_cast<std::uint32_t>(versionMismatch)};
  MeasuredResult measured{};
  MeasuredCall(start, words, 1, &measured);
  EXPECT_EQ(measured.popped, 4u) << "PluginStart(" << versionMismatch << ") must remove its argument";
  return static_cast<std::int32_t>(measured.result);
}

std::int32_t Story::Optional(std::uint32_t extraWords) {
  const void* optional = ExportByOrdinal(30009);
  if (optional == nullptr) {
    ADD_FAILURE() << "no export 30009 (PluginOptional)";
    return -1;
  }
  std::vector<std::uint32_t> words(extraWords, 0xA5A5A5A5u);
  MeasuredResult measured{};
  MeasuredCall(optional, words.data(), extraWords, &measured);
  EXPECT_EQ(measured.popped, 0u) << "PluginOptional must leave the caller's " << extraWords << " word(s) alone";
  return static_cast<std::int32_t>(measured.result);
}

std::uint32_t Story::Press(std::uint32_t key) {
  if (host->keyHook == nullptr) {
    ADD_FAILURE() << "no key hook installed";
    return key;
  }
  const std::uint32_t words[] = {key};
  MeasuredResult measured{};
  MeasuredCall(reinterpret_cast<const void*>(host->keyHook), words, 1, &measured);
  EXPECT_EQ(measured.popped, 4u) << "the key hook must remove its argument (key 0x" << std::hex << key << ")";
  return measured.result;
}

void Story::SetTicks(std::uint32_t milliseconds) { g_ticks = milliseconds; }
void Story::SetSeconds(std::int64_t secondsSince1970) { g_seconds = secondsSince1970; }

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

void WriteSettingsFile(const talvenor::ReminderSettings& settings) {
  std::string bytes(reinterpret_cast<const char*>(&settings), sizeof settings);
  for (char& byte : bytes) byte = static_cast<char>(~byte);
  WriteFileBytes(kSettingsFile, bytes);
}

std::optional<talvenor::ReminderSettings> ReadSettingsFile() {
  std::string bytes = ReadFileBytes(kSettingsFile);
  if (bytes.size() != sizeof(talvenor::ReminderSettings)) return std::nullopt;
  for (char& byte : bytes) byte = static_cast<char>(~byte);
  talvenor::ReminderSettings settings;
  std::memcpy(&settings, bytes.data(), sizeof settings);
  return settings;
}

bool FileExists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

}  // namespace e2e
