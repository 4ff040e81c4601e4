#include "bench_host.h"

#include <cstdlib>
#include <cstring>

#include "reminder/key_hook.h"

namespace bench {

std::uint32_t PassThroughHook(std::uint32_t key) { return key; }

BenchHost::BenchHost() {
  if (!testing_support::StartHost(frontEnd)) std::abort();
  // The services' call log would grow by every call of a long run.
  testing_support::Host().record = false;
  frontEnd.today = testing_support::kToday;
  talvenor::ResetKeyHookStateForTests();
  talvenor::previousHook = &PassThroughHook;
  testing_support::SetClocks(frontEnd, testing_support::MidnightOf(testing_support::kToday) + 12 * 3600);
  SetTicks(1000);
  talvenor::KeyHook(testing_support::kPlainKey);  // the first key only starts the tick gate
}

BenchHost::~BenchHost() {
  talvenor::ResetKeyHookStateForTests();
  testing_support::Host().frontEnd = nullptr;
}

void BenchHost::SetTicks(std::uint32_t value) {
  ticks = value;
  testing_support::SetTickCount(value);
}

void BenchHost::ForgetShown() {
  frontEnd.messages.clear();
  frontEnd.tones.clear();
  frontEnd.dialogsRun.clear();
}

talvenor::ReminderSettings DueSettings(std::int16_t intervalMinutes, const char* password) {
  talvenor::ReminderSettings record =
      testing_support::Settings(testing_support::Row(testing_support::kToday, intervalMinutes), password);
  std::memset(record.text, 0, sizeof record.text);
  std::memset(record.text, 'x', 60);
  return record;
}

}  // namespace bench
