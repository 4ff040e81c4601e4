#pragma once
// The host's clock. It gives the host's today and time of day (shifted by
// the options that set them), and, when the stand-in runs a script, the
// time the plug-in sees too: a scripted clock stands still except when the
// script waits, so a 6-second wait takes no real time and every screen of
// a run is the same each time.
#include <cstdint>
#include <functional>
#include <string>

#include "contract/text/date_text.h"

namespace standin::host {

// The shared date texts, as the host reads and shows them.
using talvenor::CivilDate;
using talvenor::DaysFromCivil;
using talvenor::DisplayDate;
using talvenor::FormatHostDate;
using talvenor::LocalNow;
using talvenor::ParseDateText;
using talvenor::ParseHostDate;
using talvenor::CivilFromDays;

// This machine's clocks; replaced in tests.
struct MachineClock {
  std::function<std::int64_t()> localSeconds;  // local calendar time, seconds since 1970-01-01
  std::function<std::int64_t()> utcSeconds;    // seconds since 1970-01-01 UTC
  std::function<std::uint32_t()> ticks;        // milliseconds since start-up
};
MachineClock SystemClock();

class HostClock {
 public:
  HostClock(MachineClock machine, bool scripted);

  // The host's calendar: YYYYMMDD and HH:MM:SS.
  std::string TodayText() const;
  std::string NowText() const;
  CivilDate Today() const;
  int SecondOfDay() const;
  void SetToday(const CivilDate& date);
  void SetTimeOfDay(int secondOfDay);

  bool Scripted() const { return scripted_; }
  // Moves a scripted clock on; a real one is not touched (the caller waits).
  void Advance(std::int64_t milliseconds);

  // What the plug-in reads from GetTickCount and _time64.
  std::uint32_t PluginTicks() const;
  std::int64_t PluginUtcSeconds() const;

 private:
  std::int64_t LocalSeconds() const;

  MachineClock machine_;
  bool scripted_;
  std::int64_t shiftSeconds_ = 0;  // what the options moved the calendar by
  std::int64_t startLocal_, startUtc_;
  std::uint32_t startTicks_;
  std::int64_t elapsedMs_ = 0;     // a scripted clock's flow of time
};

}  // namespace standin::host
