#include "support/win32/real_plugin_host.h"

#include <cstdio>
#include <vector>

#include "contract/abi/mazovia.h"
#include "harness/stack_measure.h"
#include "import_patch.h"

namespace testing_support {

const std::string kReminderText = TALVENOR_MAZOVIA("Zadzwoń do klienta w sprawie faktury").data();

namespace {

DWORD WINAPI ScriptedTickCount() { return RealPluginHost::ticks; }

__time64_t __cdecl ScriptedTime64(__time64_t* result) {
  if (result != nullptr) *result = RealPluginHost::seconds;
  return RealPluginHost::seconds;
}

}  // namespace

RealPluginHost::RealPluginHost() {
  ticks = 1000;
  seconds = 1'800'000'000;
}

RealPluginHost::~RealPluginHost() {
  if (host != nullptr) host->frontEnd = nullptr;
}

bool RealPluginHost::LoadHost(const std::string& path) {
  molrav = LoadLibraryA(path.c_str());
  auto controls = reinterpret_cast<standin::HostState* (*)()>(
      reinterpret_cast<void*>(molrav != nullptr ? GetProcAddress(molrav, "StandinControls") : nullptr));
  host = controls != nullptr ? controls() : nullptr;
  if (host == nullptr) return false;
  *host = standin::HostState{};
  host->frontEnd = &frontEnd;
  return true;
}

bool RealPluginHost::LoadPlugin() {
  plugin = LoadLibraryA("talvenor.dll");
  return plugin != nullptr;
}

bool RealPluginHost::RedirectClock() {
  using standin::host::PatchImport;
  return PatchImport(plugin, "KERNEL32.dll", "GetTickCount", reinterpret_cast<const void*>(&ScriptedTickCount)) &&
         PatchImport(plugin, "msvcrt.dll", "_time64", reinterpret_cast<const void*>(&ScriptedTime64));
}

std::uintptr_t RealPluginHost::Call(const void* function, const StackWord* words, std::uint32_t count,
                                    std::uint32_t poppedBytes, const char* what) {
  MeasuredResult measured{};
  MeasuredCall(function, words, count, &measured);
  EXPECT_EQ(measured.popped, ExpectedPop(poppedBytes))
      << what << " must remove " << poppedBytes << " bytes of the caller's " << 4 * count << ", no more, no less";
  return measured.result;
}

std::int32_t RealPluginHost::CallExport(const talvenor::PluginExportInfo& entry, const StackWord* words,
                                        std::uint32_t count, std::int32_t whenMissing) {
  const void* function = reinterpret_cast<const void*>(GetProcAddress(plugin, MAKEINTRESOURCEA(entry.ordinal)));
  if (function == nullptr) {
    ADD_FAILURE() << "no export " << entry.ordinal << " (" << entry.name << ")";
    return whenMissing;
  }
  return static_cast<std::int32_t>(Call(function, words, count, entry.argumentBytes, entry.name));
}

std::int32_t RealPluginHost::Attach(const void* hostContext, char* descriptionBuffer) {
  const StackWord words[] = {reinterpret_cast<StackWord>(hostContext), reinterpret_cast<StackWord>(descriptionBuffer)};
  return CallExport(talvenor::kPluginAttachExport, words, 2, 0);
}

std::int32_t RealPluginHost::Start(std::int32_t versionMismatch) {
  const StackWord words[] = {static_cast<std::uint32_t>(versionMismatch)};
  return CallExport(talvenor::kPluginStartExport, words, 1, -1);
}

std::int32_t RealPluginHost::Optional(std::uint32_t extraWords) {
  const std::vector<StackWord> words(extraWords, 0xA5A5A5A5u);
  return CallExport(talvenor::kPluginOptionalExport, words.data(), extraWords, -1);
}

std::uint32_t RealPluginHost::Press(std::uint32_t key) {
  if (host->keyHook == nullptr) {
    ADD_FAILURE() << "no key hook installed";
    return key;
  }
  const StackWord words[] = {key};
  char what[40];
  std::snprintf(what, sizeof what, "the key hook (key 0x%X)", static_cast<unsigned>(key));
  return static_cast<std::uint32_t>(Call(reinterpret_cast<const void*>(host->keyHook), words, 1, 4, what));
}

bool RealPluginHost::InPlugin(const void* address) const {
  auto* base = reinterpret_cast<const unsigned char*>(plugin);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  auto* at = static_cast<const unsigned char*>(address);
  return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}

std::vector<std::string> RealPluginHost::CallTexts(const std::string& service) const {
  std::vector<std::string> texts;
  for (const auto& call : host->calls)
    if (call.name == service) texts.push_back(call.text);
  return texts;
}

bool FileExists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

talvenor::ReminderSettings DueEveryMinute() {
  talvenor::ReminderSettings settings{};
  SetField(settings.text, kReminderText);
  SetField(settings.schedules[0].startDate, standin::ScriptedFrontEnd{}.today);
  settings.schedules[0].intervalMinutes = 1;
  SetField(settings.schedules[0].fromTime, "08:00:00");
  SetField(settings.schedules[0].toTime, "16:00:00");
  SetField(settings.password, kPassword);
  settings.enabled = 1;
  return settings;
}

}  // namespace testing_support
