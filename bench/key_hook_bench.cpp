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

// The file read, today's date, the governing row; not due yet.
void ReminderCheckNotDue(benchmark::State& state) {
  BenchHost host;
  testing_support::WriteSettingsFile(bench::DueSettings(60, ""));
  for (auto _ : state) {
    host.PassCheckInterval();
    benchmark::DoNotOptimize(talvenor::KeyHook(kPlainKey));
  }
}
BENCHMARK(ReminderCheckNotDue);

// Due at every check: 20 tones, the reminder dialog, a wrong password and
// the second burst. The reminder stays on, so every round is the same.
void ReminderCheckShown(benchmark::State& state) {
  BenchHost host;
  testing_support::WriteSettingsFile(bench::DueSettings(0, "tajne"));
  for (auto _ : state) {
    host.PassCheckInterval();
    host.frontEnd.dialogActions.push_back(testing_support::Type("zle"));
    benchmark::DoNotOptimize(talvenor::KeyHook(kPlainKey));
    host.ForgetShown();
  }
}
BENCHMARK(ReminderCheckShown);

// Shift-F10 behind a password: the password dialog, the configuration
// dialog confirmed, the save.
void ShiftF10Configuration(benchmark::State& state) {
  BenchHost host;
  testing_support::WriteSettingsFile(bench::DueSettings(60, "tajne"));
  for (auto _ : state) {
    host.frontEnd.dialogActions.push_back(testing_support::Type("tajne"));
    host.frontEnd.dialogActions.push_back(testing_support::Confirm());
    benchmark::DoNotOptimize(talvenor::KeyHook(kShiftF10));
    host.ForgetShown();
  }
}
BENCHMARK(ShiftF10Configuration);

}  // namespace

BENCHMARK_MAIN();
