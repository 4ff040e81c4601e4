// Time texts as the plug-in meets them: any 256 bytes in the buffer the
// host's HostNowText fills, and any 9 bytes in the from- and to-time fields
// of a damaged settings file, NUL or not. Each lies in a heap buffer of
// exactly its size, so AddressSanitizer stops a read past it, directly in
// TimeTextDiff and in the reminder check's time window.
//
// Input: from-time (9 bytes), to-time (9 bytes), then the now text; a
// shorter now text is repeated to fill its 256 bytes, so no NUL comes
// unless the input holds one.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "harness/fuzz_host.h"
#include "reminder/key_hook.h"
#include "reminder/reminder_settings.h"
#include "reminder/time_text.h"
#include "services/host_services_impl.h"
#include "shell/platform.h"
#include "shell/service_slots.h"

namespace {

using talvenor::TimeTextDiff;

constexpr std::size_t kNowTextSize = 256;  // what the plug-in hands HostNowText
constexpr std::size_t kTimeFieldSize = 9;
using testing_support::kToday;

standin::ScriptedFrontEnd frontEnd;
const char* nowText = nullptr;

// HostNowText as a host may have it: all 256 bytes written.
std::int32_t TALVENOR_CALLEE_POPS FillNowText(char* buffer, std::int32_t) {
  std::memcpy(buffer, nowText, kNowTextSize);
  return 0;
}

void StoreSettings(const std::string& fromTime, const std::string& toTime) {
  // Due at every check (interval 0): only the window decides.
  testing_support::WriteSettingsFile(testing_support::Settings(testing_support::Row(kToday, 0, fromTime, toTime)));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_support::StartHost("time_text", frontEnd);
  serviceSlots[talvenor::HostNowTextSlot] = reinterpret_cast<void*>(&FillNowText);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::string fromTime = input.substr(0, kTimeFieldSize);
  std::string toTime = input.substr(std::min(size, kTimeFieldSize), kTimeFieldSize);
  fromTime.resize(kTimeFieldSize, '\0');
  toTime.resize(kTimeFieldSize, '\0');
  std::string now = input.substr(std::min(size, 2 * kTimeFieldSize), kNowTextSize);
  if (now.empty()) now = "9";
  while (now.size() < kNowTextSize) now += now.substr(0, kNowTextSize - now.size());

  // Built from a range, each vector's block is exactly its size.
  const std::vector<char> nowBytes(now.begin(), now.end());
  const std::vector<char> fromBytes(fromTime.begin(), fromTime.end());
  const std::vector<char> toBytes(toTime.begin(), toTime.end());
  nowText = nowBytes.data();

  // Directly: whatever atoi makes of them, the same both ways round.
  const std::int64_t afterFrom = TimeTextDiff(nowBytes.data(), fromBytes.data());
  const std::int64_t beforeTo = TimeTextDiff(toBytes.data(), nowBytes.data());
  FUZZ_CHECK(TimeTextDiff(fromBytes.data(), nowBytes.data()) == -afterFrom);
  FUZZ_CHECK(TimeTextDiff(nowBytes.data(), nowBytes.data()) == 0);
  FUZZ_CHECK(TimeTextDiff(fromBytes.data(), toBytes.data()) + TimeTextDiff(toBytes.data(), fromBytes.data()) == 0);

  // Through the reminder check: a reminder due at every check, which its
  // window alone lets through or holds back.
  standin::ResetState();
  frontEnd = standin::ScriptedFrontEnd{};
  frontEnd.today = kToday;
  StoreSettings(fromTime, toTime);
  talvenor::ResetKeyHookStateForTests();
  nativewin::SetWallClock(1'800'000'000);
  nativewin::SetTickCount(1000);
  talvenor::KeyHook(0x1E61);
  nativewin::SetTickCount(6001);
  talvenor::KeyHook(0x1E61);
  FUZZ_CHECK(!talvenor::KeyHookBusyForTests());

  const bool admitted = (fromTime[0] == '\0' || afterFrom >= 0) && (toTime[0] == '\0' || beforeTo >= 0);
  const bool shown = std::count(frontEnd.dialogsRun.begin(), frontEnd.dialogsRun.end(), 3) == 1;
  FUZZ_CHECK(shown == admitted);
  FUZZ_CHECK(frontEnd.dialogsRun.size() == (shown ? 1u : 0u));
  return 0;
}
