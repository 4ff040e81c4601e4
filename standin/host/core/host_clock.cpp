#include "host_clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "contract/text/time_of_day.h"

namespace standin::host {

namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

MachineClock SystemClock() {
  MachineClock clock;
  clock.utcSeconds = [] {
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
  };
  clock.localSeconds = [] {
    const std::tm local = LocalNow();
    const std::int64_t days = DaysFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
    return days * kDay + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  };
  clock.ticks = [] {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  };
  return clock;
}

HostClock::HostClock(MachineClock machine, bool scripted)
    : machine_(std::move(machine)),
      scripted_(scripted),
      startLocal_(machine_.localSeconds()),
      startUtc_(machine_.utcSeconds()),
      startTicks_(machine_.ticks()) {}

std::int64_t HostClock::LocalSeconds() const {
  const std::int64_t base = scripted_ ? startLocal_ + FloorDiv(elapsedMs_, 1000) : machine_.localSeconds();
  return base + shiftSeconds_;
}

CivilDate HostClock::Today() const { return CivilFromDays(FloorDiv(LocalSeconds(), kDay)); }

int HostClock::SecondOfDay() const {
  const std::int64_t s = LocalSeconds();
  return static_cast<int>(s - FloorDiv(s, kDay) * kDay);
}

std::string HostClock::TodayText() const { return FormatHostDate(Today()); }

std::string HostClock::NowText() const { return talvenor::FormatTimeOfDay(SecondOfDay()); }

void HostClock::SetToday(const CivilDate& date) {
  shiftSeconds_ += (DaysFromCivil(date) - DaysFromCivil(Today())) * kDay;
}

void HostClock::SetTimeOfDay(int secondOfDay) { shiftSeconds_ += secondOfDay - SecondOfDay(); }

void HostClock::Advance(std::int64_t milliseconds) {
  if (scripted_ && milliseconds > 0) elapsedMs_ += milliseconds;
}

std::uint32_t HostClock::PluginTicks() const {
  if (!scripted_) return machine_.ticks();
  return startTicks_ + static_cast<std::uint32_t>(elapsedMs_);
}

std::int64_t HostClock::PluginUtcSeconds() const {
  if (!scripted_) return machine_.utcSeconds();
  return startUtc_ + FloorDiv(elapsedMs_, 1000);
}

}  // namespace standin::host
