// Any bytes as infprz.dat (0 to 1200 of them), then the key hook as the
// host drives it: a reminder check, a second one some minutes later, and
// Shift-F10, with the user's answers in the dialogs scripted from the input.
// AddressSanitizer catches any read or write outside a record; the checks
// below add what the host and the file must look like afterwards.
//
// Input: the settings file first, the script in the last bytes (read from
// the end), so a seed is a settings file with a few script bytes behind it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <string>

#include "harness/fuzz_host.h"
#include "reminder/key_hook.h"
#include "reminder/reminder_prompt.h"
#include "reminder/reminder_settings.h"
#include "contract/text/date_text.h"
#include "services/host_services_impl.h"
#include "shell/platform.h"
#include "text/texts.h"

namespace {

using talvenor::ReminderSettings;
using namespace testing_support;  // the host's keys, the settings file, the typing

constexpr std::size_t kMaxFileBytes = 1200;
constexpr std::size_t kPasswordField = 21;

standin::ScriptedFrontEnd frontEnd;
std::uint32_t ticks = 0;
std::uint16_t flagsBefore = 0;

// A key pressed inside one of the plug-in's own dialogs passes through
// untouched, and the host's state flag stays held meanwhile.
void PressInsideDialog(std::uint32_t key) {
  FUZZ_CHECK(talvenor::KeyHookBusyForTests());
  FUZZ_CHECK((standin::State().stateFlags & 0x8000) != 0);
  FUZZ_CHECK(talvenor::KeyHook(key) == (key & 0xFFFF));
  FUZZ_CHECK(talvenor::KeyHookBusyForTests());
}

// One scripted answer: leave, type the stored password, type something
// else, confirm as it stands, or (in the configuration) overwrite bytes of
// the record; any of them after pressing a key inside the dialog.
DialogAction ScriptedAnswer(FuzzedDataProvider& script) {
  const int kind = script.ConsumeIntegralInRange(0, 4);
  const bool pressInside = script.ConsumeBool();
  const std::uint32_t keyInside = script.ConsumeIntegral<std::uint32_t>();
  std::string typed;
  std::string edits;  // offset/value pairs into the record
  if (kind == 2) {
    const std::size_t length = script.ConsumeIntegralInRange<std::size_t>(0, kPasswordField - 1);
    for (std::size_t i = 0; i < length; ++i) typed += static_cast<char>(script.ConsumeIntegralInRange(1, 255));
  } else if (kind == 4) {
    const int count = script.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < count; ++i) {
      const auto offset = script.ConsumeIntegralInRange<std::uint16_t>(0, sizeof(ReminderSettings) - 1);
      edits += static_cast<char>(offset & 0xFF);
      edits += static_cast<char>(offset >> 8);
      edits += static_cast<char>(script.ConsumeIntegral<std::uint8_t>());
    }
  }
  return [=](void*, std::int32_t number, void* buffer) -> std::int32_t {
    FUZZ_CHECK(number >= 1 && number <= 3);
    if (pressInside) PressInsideDialog(keyInside);
    switch (kind) {
      case 0:
        return 0;
      case 1:
        if (number != 2) TypeInto(buffer, number, StoredPassword());
        return 1;
      case 2:
        if (number != 2) TypeInto(buffer, number, typed);
        return 1;
      case 4:
        if (number == 2)
          for (std::size_t i = 0; i + 2 < edits.size(); i += 3) {
            const std::size_t offset = static_cast<unsigned char>(edits[i]) | static_cast<unsigned char>(edits[i + 1]) << 8;
            static_cast<unsigned char*>(buffer)[offset] = static_cast<unsigned char>(edits[i + 2]);
          }
        return 1;
      default:
        return 1;
    }
  };
}

std::uint32_t Press(std::uint32_t key) {
  standin::State().stateFlags = flagsBefore;
  const std::uint32_t result = talvenor::KeyHook(key);
  FUZZ_CHECK(!talvenor::KeyHookBusyForTests());
  FUZZ_CHECK(standin::State().stateFlags == flagsBefore);
  return result;
}

int Writes() {
  return static_cast<int>(std::count_if(standin::State().calls.begin(), standin::State().calls.end(),
                                        [](const standin::ServiceCall& call) { return call.ordinal == 52308; }));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_support::StartHost("settings_file", frontEnd);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider script(data, size);
  flagsBefore = script.ConsumeIntegral<std::uint16_t>();
  const bool noFile = script.ConsumeIntegralInRange(0, 15) == 0;
  const int todayOffset = script.ConsumeIntegralInRange(-40, 40);  // days from 2026-12-09
  const int secondOfDay = script.ConsumeIntegralInRange(0, 86399);
  const int minutesLater = script.ConsumeIntegralInRange(-60, 1500);  // before the second check
  const bool shiftF10WithCheck = script.ConsumeBool();
  const std::uint32_t highBits = script.ConsumeIntegral<std::uint16_t>() << 16;
  std::deque<DialogAction> answers;
  for (int n = script.ConsumeIntegralInRange(0, 4); n > 0; --n) answers.push_back(ScriptedAnswer(script));
  std::string file = script.ConsumeRemainingBytesAsString();
  if (file.size() > kMaxFileBytes) file.resize(kMaxFileBytes);

  standin::ResetState();
  frontEnd = standin::ScriptedFrontEnd{};
  frontEnd.dialogActions = std::move(answers);
  const std::int64_t today = talvenor::DaysFromCivil({2026, 12, 9}) + todayOffset;
  frontEnd.today = talvenor::FormatHostDate(talvenor::CivilFromDays(today));
  std::int64_t wallClock = today * 86400 + secondOfDay;
  auto setClock = [&](std::int64_t seconds) { testing_support::SetClocks(frontEnd, seconds); };
  std::remove(kSettingsFile);
  if (!noFile) testing_support::WriteFileBytes(kSettingsFile, file);

  talvenor::ResetKeyHookStateForTests();
  ticks = 1000;
  nativewin::SetTickCount(ticks);
  setClock(wallClock);
  FUZZ_CHECK(Press(kPlainKey | highBits) == kPlainKey);  // starts the tick gate only

  nativewin::SetTickCount(ticks += kPastCheckInterval);
  FUZZ_CHECK(Press(kPlainKey) == kPlainKey);  // first check: the interval starts

  nativewin::SetTickCount(ticks += kPastCheckInterval);
  setClock(wallClock += std::int64_t{minutesLater} * 60);
  if (shiftF10WithCheck) {
    FUZZ_CHECK(Press(kShiftF10 | highBits) == kConsumed);  // second check, then the configuration
  } else {
    FUZZ_CHECK(Press(kPlainKey) == kPlainKey);
    FUZZ_CHECK(Press(kShiftF10) == kConsumed);
  }

  // Every save leaves exactly one record; without one the file is as it was.
  if (Writes() > 0) {
    const std::string saved = testing_support::ReadFileBytes(kSettingsFile);
    FUZZ_CHECK(saved.size() == sizeof(ReminderSettings));
    // Unless the configuration dialog ran, the record goes back as loaded:
    // the file's first 591 bytes, what a short file lacks read as zeros,
    // and only `enabled` cleared when the right password switched it off.
    const bool configured = std::count(frontEnd.dialogsRun.begin(), frontEnd.dialogsRun.end(), 2) > 0;
    const bool switchedOff =
        std::any_of(frontEnd.messages.begin(), frontEnd.messages.end(), [](const auto& message) {
          return message.text == talvenor::text::kReminderSwitchedOff.data();
        });
    std::string expected = noFile ? std::string() : file.substr(0, sizeof(ReminderSettings));
    expected.resize(sizeof(ReminderSettings), '\xFF');
    if (switchedOff) expected[589] = expected[590] = '\xFF';
    if (!configured) FUZZ_CHECK(saved == expected);
  } else if (noFile) {
    FUZZ_CHECK(!std::filesystem::exists(kSettingsFile));
  } else {
    FUZZ_CHECK(testing_support::ReadFileBytes(kSettingsFile) == file);
  }
  return 0;
}
