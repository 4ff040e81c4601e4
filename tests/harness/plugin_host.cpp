#include "plugin_host.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

#include "contract/text/date_text.h"
#include "reminder/reminder_prompt.h"
#include "shell/platform.h"
#include "shell/service_slots.h"

#if defined(_WIN32)
extern "C" __declspec(dllimport) standin::HostState* StandinControls();
#endif

namespace testing_support {

namespace {
std::uint32_t g_ticks = 0;
std::int64_t g_wallClock = 0;
}  // namespace

#if defined(_WIN32)
standin::HostState& Host() { return *StandinControls(); }
#else
standin::HostState& Host() { return standin::State(); }
#endif

void ResetHost() {
  standin::FrontEnd* frontEnd = Host().frontEnd;
  Host() = standin::HostState{};
  Host().frontEnd = frontEnd;
}

bool BindAllServices() {
#if !defined(_WIN32)
  if (GetModuleHandleA("MOLRAV") == nullptr)
    nativewin::AddModule({"MOLRAV", "", [](std::uint32_t ordinal) { return standin::ServiceByOrdinal(ordinal); }, nullptr});
#endif
  HMODULE molrav = GetModuleHandleA("MOLRAV");
  if (molrav == nullptr) {
    std::fprintf(stderr, "MOLRAV is not loaded\n");
    return false;
  }
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    serviceSlots[i] = reinterpret_cast<void*>(GetProcAddress(molrav, MAKEINTRESOURCEA(talvenor::kHostServices[i].ordinal)));
    if (serviceSlots[i] == nullptr) {
      std::fprintf(stderr, "MOLRAV lacks %d\n", static_cast<int>(talvenor::kHostServices[i].ordinal));
      return false;
    }
  }
  return true;
}

bool StartHost(standin::ScriptedFrontEnd& frontEnd) {
  ResetHost();
  Host().frontEnd = &frontEnd;
  SetTickCount(0);
  SetWallClock(0);
  return BindAllServices();
}

void SetTickCount(std::uint32_t ticks) {
  g_ticks = ticks;
#if !defined(_WIN32)
  nativewin::SetTickCount(ticks);
#endif
}

void SetWallClock(std::int64_t seconds) {
  g_wallClock = seconds;
#if !defined(_WIN32)
  nativewin::SetWallClock(seconds);
#endif
}

void SetClocks(standin::ScriptedFrontEnd& frontEnd, std::int64_t seconds) {
  SetWallClock(seconds);
  const auto ofDay = static_cast<int>(((seconds % 86400) + 86400) % 86400);
  char now[16];
  std::snprintf(now, sizeof now, "%02d:%02d:%02d", ofDay / 3600, ofDay / 60 % 60, ofDay % 60);
  frontEnd.now = now;
}

std::vector<std::string> CallTexts(const std::string& onlyService) {
  std::vector<std::string> texts;
  for (const auto& call : Host().calls)
    if (onlyService.empty() || call.name == onlyService) texts.push_back(call.text);
  return texts;
}

ScratchDirectory::ScratchDirectory(const std::string& name, bool inMemory) : previous(std::filesystem::current_path()) {
  std::error_code noShm;
  const std::filesystem::path base = inMemory && std::filesystem::is_directory("/dev/shm", noShm)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  scratch = base / ("talvenor-" + name + "-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous, ignored);
  std::filesystem::remove_all(scratch, ignored);
}

std::int64_t MidnightOf(const char* hostDate) {
  return talvenor::DaysFromCivil(talvenor::ParseHostDate(hostDate).value()) * 86400;
}

namespace {
template <std::size_t N> void Put(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N));
}
}  // namespace

talvenor::ReminderSchedule Row(const std::string& startDate, std::int16_t intervalMinutes, const std::string& fromTime,
                               const std::string& toTime) {
  talvenor::ReminderSchedule row{};
  Put(row.startDate, startDate);
  row.intervalMinutes = intervalMinutes;
  Put(row.fromTime, fromTime);
  Put(row.toTime, toTime);
  return row;
}

talvenor::ReminderSettings Settings(const talvenor::ReminderSchedule& row0, const std::string& password) {
  talvenor::ReminderSettings record{};
  Put(record.text, "Zadzwon do biura");
  record.schedules[0] = row0;
  Put(record.password, password);
  record.enabled = 1;
  return record;
}

void TypeInto(void* buffer, std::int32_t dialogNumber, const std::string& password) {
  char* entered = dialogNumber == 3 ? static_cast<talvenor::ReminderPrompt*>(buffer)->enteredPassword
                                    : static_cast<char*>(buffer);
  std::memset(entered, 0, 21);
  std::memcpy(entered, password.data(), std::min<std::size_t>(password.size(), 21));
}

DialogAction Type(const std::string& password) {
  return [password](void*, std::int32_t number, void* buffer) {
    TypeInto(buffer, number, password);
    return 1;
  };
}

DialogAction Confirm() {
  return [](void*, std::int32_t, void*) { return 1; };
}

DialogAction Leave() {
  return [](void*, std::int32_t, void*) { return 0; };
}

}  // namespace testing_support

#if defined(_WIN32) && defined(TALVENOR_SCRIPTED_CLOCK)
// The plug-in's clock seam in Windows unit tests.
namespace talvenor::platform {
std::uint32_t TickCount() { return testing_support::g_ticks; }
std::int64_t WallClock() { return testing_support::g_wallClock; }
}  // namespace talvenor::platform
#endif
