#include "bench_host.h"

#include <cstring>
#include <random>
#include <string>

#include "reminder/key_hook.h"
#include "reminder/reminder_prompt.h"
#include "services/host_services_impl.h"
#include "shell/platform.h"
#include "shell/service_slots.h"

namespace bench {

namespace {

constexpr char kToday[] = "20261209";

void BindStandinServices() {
  if (GetModuleHandleA("MOLRAV") == nullptr)
    nativewin::AddModule({"MOLRAV", "", [](std::uint32_t ordinal) { return standin::ServiceByOrdinal(ordinal); }, nullptr});
  for (int i = 0; i < talvenor::kServiceCount; ++i)
    serviceSlots[i] = standin::ServiceByOrdinal(talvenor::kHostServices[i].ordinal);
}

}  // namespace

std::uint32_t PassThroughHook(std::uint32_t key) { return key; }

BenchHost::BenchHost() {
  previousDirectory = std::filesystem::current_path();
  scratch = std::filesystem::temp_directory_path() / ("talvenor-bench-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);

  standin::ResetState();
  // The services' call log would grow by every call of a long run.
  standin::State().record = false;
  standin::State().frontEnd = &frontEnd;
  frontEnd.today = kToday;
  frontEnd.now = "12:00:00";
  BindStandinServices();

  talvenor::ResetKeyHookStateForTests();
  talvenor::previousHook = &PassThroughHook;
  nativewin::SetWallClock(1'796'817'600);  // 2026-12-09 12:00:00 UTC
  SetTicks(1000);
  talvenor::KeyHook('a');  // the first key only starts the tick gate
}

BenchHost::~BenchHost() {
  talvenor::ResetKeyHookStateForTests();
  standin::State().frontEnd = nullptr;
  std::filesystem::current_path(previousDirectory);
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
}

void BenchHost::StoreSettings(const talvenor::ReminderSettings& record) { talvenor::SaveReminderSettings(&record); }

void BenchHost::SetTicks(std::uint32_t value) {
  ticks = value;
  nativewin::SetTickCount(value);
}

void BenchHost::ForgetShown() {
  frontEnd.messages.clear();
  frontEnd.tones.clear();
  frontEnd.dialogsRun.clear();
}

talvenor::ReminderSettings DueSettings(std::int16_t intervalMinutes, const char* password) {
  talvenor::ReminderSettings record{};
  std::memset(record.text, 'x', 60);
  std::memcpy(record.schedules[0].startDate, kToday, sizeof kToday);
  record.schedules[0].intervalMinutes = intervalMinutes;
  std::strncpy(record.password, password, sizeof record.password - 1);
  record.enabled = 1;
  return record;
}

standin::ScriptedFrontEnd::DialogAction TypePassword(const char* password) {
  return [password](void*, std::int32_t number, void* buffer) {
    char* entered =
        number == 3 ? static_cast<talvenor::ReminderPrompt*>(buffer)->enteredPassword : static_cast<char*>(buffer);
    std::strncpy(entered, password, sizeof talvenor::ReminderPrompt{}.enteredPassword - 1);
    return 1;
  };
}

standin::ScriptedFrontEnd::DialogAction Confirm() {
  return [](void*, std::int32_t, void*) { return 1; };
}

}  // namespace bench
