#pragma once
// The stand-in host around the plug-in's sources, without a test
// framework: the tests (test_host.h), the fuzz targets and the benchmarks
// all start and drive it through here. The stand-in's services are bound
// into the plug-in's slots (from MOLRAV.dll on Windows, from the linked
// library natively), the clocks are scripted, and a scratch directory is
// the current one while it lives.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "contract/abi/settings_record.h"
#include "harness/scripted_front_end.h"
#include "services/host_services_impl.h"

namespace testing_support {

// The stand-in host's state, wherever its services live in this build. On
// Windows the services run inside MOLRAV.dll, so tests reach their state
// only through here, never through standin::State().
standin::HostState& Host();
// A fresh host (version 112, flags 0, no hook, no calls); keeps the front end.
void ResetHost();

// Registers MOLRAV (natively) and fills every plug-in slot with the stand-in's
// export of that ordinal. False, with the reason on stderr, when one lacks.
bool BindAllServices();

// A fresh host answering through `frontEnd`, every slot bound, both clocks at 0.
bool StartHost(standin::ScriptedFrontEnd& frontEnd);

// The scripted clock the plug-in reads (both builds).
void SetTickCount(std::uint32_t ticks);
void SetWallClock(std::int64_t seconds);
// The wall clock and the time of day the front end reports, both at `seconds`.
void SetClocks(standin::ScriptedFrontEnd& frontEnd, std::int64_t seconds);

// Recorded calls in their readable form, optionally only of one service.
std::vector<std::string> CallTexts(const std::string& onlyService = "");

// A fresh directory, the current one until this goes; then the previous one
// is current again and the scratch one is removed. `inMemory` puts it in
// /dev/shm where there is one: on ext4 every save that empties the file
// ("wb") waits for the disk, and long runs save thousands of times.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name, bool inMemory = false);
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::filesystem::path& path() const { return scratch; }

 private:
  std::filesystem::path scratch;
  std::filesystem::path previous;
};

// Keys and dates of the key hook's tests and runs.
inline constexpr std::uint32_t kPlainKey = 0x1E61;  // 'a'
inline constexpr std::uint32_t kShiftF10 = 0x5D00;
inline constexpr std::uint32_t kConsumed = 0xFFFF;
inline constexpr std::uint32_t kPastCheckInterval = 5001;  // ms: the next key runs a reminder check
inline constexpr char kToday[] = "20261209";                // the front end's today unless set otherwise

// Wall-clock seconds of 00:00:00 UTC on a host date text.
std::int64_t MidnightOf(const char* hostDate);

// A schedule row; texts are copied with their NUL, "" leaves a field empty.
talvenor::ReminderSchedule Row(const std::string& startDate, std::int16_t intervalMinutes,
                               const std::string& fromTime = "", const std::string& toTime = "");
// Switched on, text "Zadzwon do biura", row 0 as given.
talvenor::ReminderSettings Settings(const talvenor::ReminderSchedule& row0, const std::string& password = "");

// What the user does in a dialog.
using DialogAction = standin::ScriptedFrontEnd::DialogAction;
DialogAction Type(const std::string& password);  // types a password (dialog 1 or 3) and confirms
DialogAction Confirm();                            // confirms without changing anything
DialogAction Leave();                              // leaves the dialog (Esc)
// Puts `password` (cut to the 21-byte field) into the reminder or password dialog's buffer.
void TypeInto(void* buffer, std::int32_t dialogNumber, const std::string& password);

}  // namespace testing_support
