#pragma once
// The stand-in host around the plug-in, for benchmarks and the
// instruction-count driver: the stand-in's 17 services bound into the
// plug-in's slots, a scripted front end, a scratch working directory, and
// the key hook installed behind a hook that hands every key straight back.
// No test framework: a benchmark only needs the host to answer.
#include <cstdint>
#include <filesystem>

#include "reminder/reminder_settings.h"
#include "support/scripted_front_end.h"

namespace bench {

// The hook installed before the plug-in's: gives the key back as it came.
std::uint32_t PassThroughHook(std::uint32_t key);

class BenchHost {
 public:
  BenchHost();   // a fresh host, bound slots, in a fresh scratch directory
  ~BenchHost();  // back to the directory it came from; the scratch one goes
  BenchHost(const BenchHost&) = delete;
  BenchHost& operator=(const BenchHost&) = delete;

  // infprz.dat as the plug-in itself writes it.
  static void StoreSettings(const talvenor::ReminderSettings& record);
  void SetTicks(std::uint32_t value);
  // Moves the tick count past the 5000 ms gate: the next key runs a check.
  void PassCheckInterval() { SetTicks(ticks + 5001); }
  // Forgets what the front end has shown, so a long run does not grow it.
  void ForgetShown();

  standin::ScriptedFrontEnd frontEnd;
  std::uint32_t ticks = 0;

 private:
  std::filesystem::path scratch;
  std::filesystem::path previousDirectory;
};

// Switched on, a 60-character text, row 0 started today with the interval
// and password given (no time window).
talvenor::ReminderSettings DueSettings(std::int16_t intervalMinutes, const char* password);

// The user types `password` into the reminder or password dialog and
// confirms; the configuration dialog is confirmed unchanged.
standin::ScriptedFrontEnd::DialogAction TypePassword(const char* password);
standin::ScriptedFrontEnd::DialogAction Confirm();

}  // namespace bench
