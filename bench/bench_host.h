#pragma once
// The stand-in host around the plug-in (harness/plugin_host.h), for
// benchmarks and the instruction-count driver, with the key hook installed
// behind a hook that hands every key straight back. No test framework: a
// benchmark only needs the host to answer.
#include <cstdint>

#include "harness/plugin_host.h"
#include "harness/settings_file_bytes.h"

namespace bench {

// The hook installed before the plug-in's: gives the key back as it came.
std::uint32_t PassThroughHook(std::uint32_t key);

class BenchHost {
 public:
  BenchHost();   // a fresh host, bound slots, in a fresh scratch directory, at 12:00 today
  ~BenchHost();  // back to the directory it came from; the scratch one goes
  BenchHost(const BenchHost&) = delete;
  BenchHost& operator=(const BenchHost&) = delete;

  void SetTicks(std::uint32_t value);
  // Moves the tick count past the 5000 ms gate: the next key runs a check.
  void PassCheckInterval() { SetTicks(ticks + testing_support::kPastCheckInterval); }
  // Forgets what the front end has shown, so a long run does not grow it.
  void ForgetShown();

  testing_support::ScratchDirectory scratch{"bench"};
  standin::ScriptedFrontEnd frontEnd;
  std::uint32_t ticks = 0;
};

// Switched on, a 60-character text, row 0 started today with the interval
// and password given (no time window).
talvenor::ReminderSettings DueSettings(std::int16_t intervalMinutes, const char* password);

}  // namespace bench
