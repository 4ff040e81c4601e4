// Wall-clock cost of the key hook's paths against the stand-in host. The
// common path is compared with the floor; the reminder check and the
// configuration run with the settings file present, their dialogs scripted.
#include <benchmark/benchmark.h>

#include "bench_host.h"
#include "floor_hook.h"
#include "reminder/key_hook.h"

namespace {

using bench::BenchHost;
using testing_support::kPlainKey;
using testing_support::kShiftF10;

// No check due, not Shift-F10: what every key press costs.
void KeyHookCommonPath(benchmark::State& state) {
  BenchHost host;
  for (auto _ : state) benchmark::DoNotOptimize(talvenor::KeyHook(kPlainKey));
}
BENCHMARK(KeyHookCommonPath);

void Floor(benchmark::State& state) {
  BenchHost host;
  for (auto _ : state) benchmark::DoNotOptimize(bench::FloorHook(kPlainKey));
}
BENCHMARK(Floor);

// With `settings` in the file, each round presses `key` after `prepare`
// has readied the host (the tick count moved on, the dialogs' answers
// queued); what the round showed is forgotten, so every round is the same.
template <typename Prepare>
void KeyRounds(benchmark::State& state, const talvenor::ReminderSettings& settings, std::uint32_t key,
               Prepare prepare) {
  BenchHost host;
  testing_support::WriteSettingsFile(settings);
  for (auto _ : state) {
    prepare(host);
    benchmark::DoNotOptimize(talvenor::KeyHook(key));
    host.ForgetShown();
  }
}

// The file read, today's date, the governing row; not due yet.
void ReminderCheckNotDue(benchmark::State& state) {
  KeyRounds(state, bench::DueSettings(60, ""), kPlainKey, [](BenchHost& host) { host.PassCheckInterval(); });
}
BENCHMARK(ReminderCheckNotDue);

// Due at every check: 20 tones, the reminder dialog, a wrong password and
// the second burst. The reminder stays on.
void ReminderCheckShown(benchmark::State& state) {
  KeyRounds(state, bench::DueSettings(0, "tajne"), kPlainKey, [](BenchHost& host) {
    host.PassCheckInterval();
    host.frontEnd.dialogActions.push_back(testing_support::Type("zle"));
  });
}
BENCHMARK(ReminderCheckShown);

// Shift-F10 behind a password: the password dialog, the configuration
// dialog confirmed, the save.
void ShiftF10Configuration(benchmark::State& state) {
  KeyRounds(state, bench::DueSettings(60, "tajne"), kShiftF10, [](BenchHost& host) {
    host.frontEnd.dialogActions.push_back(testing_support::Type("tajne"));
    host.frontEnd.dialogActions.push_back(testing_support::Confirm());
  });
}
BENCHMARK(ShiftF10Configuration);

}  // namespace

BENCHMARK_MAIN();
