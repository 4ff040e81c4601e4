// One million key codes through KeyHook, as weeks at the desk: the tick
// count and the wall clock move on by random steps (idle hours, a tick
// count that wraps, a clock set back), settings files are swapped in
// underneath, sound and damaged, and the user answers every dialog at
// random, typing the right password or a wrong one, confirming or leaving,
// and pressing keys inside the dialogs. After every call the hook must be
// idle again, the host's state flags as they were before the key, and every
// service slot still its own; no call may reach a service that the hook has
// no business with. Seeded, so a failure comes back with the same seed
// (TALVENOR_SOAK_SEED, TALVENOR_SOAK_CALLS override the defaults).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "random_settings.h"
#include "reminder/key_hook.h"
#include "reminder/reminder_prompt.h"
#include "reminder/reminder_settings.h"
#include "contract/date_text.h"
#include "contract/host_constants.h"
#include "shell/service_slots.h"
#include "support/test_host.h"
#include "text/texts.h"

namespace {

using talvenor::ReminderPrompt;
using talvenor::ReminderSettings;
using testing_support::Host;
using namespace soak;
using talvenor::kShiftF10;

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr std::uint64_t kDefaultCalls = 1'000'000;
constexpr std::uint32_t kF10 = 0x4400;  // the previous hook turns it into Shift-F10
using testing_support::kSettingsFile;
using testing_support::StoredPassword;

// Every slot holds a guard that counts the call and goes on to the
// stand-in's export; the guards of the services the hook never uses count
// the call as a fault.
void* standinEntry[talvenor::kServiceCount];
long callsThrough[talvenor::kServiceCount];

template <int Slot, typename Fn> struct Guard;
template <int Slot, typename R, typename... A> struct Guard<Slot, R (*)(A...)> {
  static R Call(A... args) {
    ++callsThrough[Slot];
    return reinterpret_cast<R (*)(A...)>(standinEntry[Slot])(args...);
  }
};
template <int Slot, typename R, typename... A> struct Guard<Slot, R (*)(A..., ...)> {
  static R Call(A..., ...) {
    ++callsThrough[Slot];
    return R{};
  }
};

void* const kGuards[talvenor::kServiceCount] = {
#define SOAK_GUARD(name, ordinal, pops, bytes, result, params) \
  reinterpret_cast<void*>(&Guard<talvenor::name##Slot, talvenor::name##Fn>::Call),
    TALVENOR_HOST_SERVICES(SOAK_GUARD)
#undef SOAK_GUARD
};

constexpr int kNotTheHooksBusiness[] = {talvenor::HostMessageBoxFSlot, talvenor::HostConvertTextSlot,
                                        talvenor::HostService38417Slot, talvenor::HostInterfaceVersionSlot,
                                        talvenor::HostSetKeyHookSlot};

// The hook installed before KeyHook: F10 becomes Shift-F10, so the
// configuration depends on the key after chaining.
std::uint32_t Chained(std::uint32_t key) { return (key & 0xFFFF) == kF10 ? kShiftF10 : key; }

long chainedCalls = 0;
std::uint32_t TALVENOR_CALLEE_POPS PreviousHook(std::uint32_t key) {
  ++chainedCalls;
  return Chained(key);
}

// What KeyHook gives back for `key` when it is not busy.
std::uint32_t Expected(std::uint32_t key) {
  const std::uint32_t chained = Chained(key) & 0xFFFF;
  return chained == kShiftF10 ? 0xFFFF : chained;
}

std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : otherwise;
}

// What the soak did, each counted to show that every road was taken.
enum Figure {
  kCalls, kChecks, kRemindersShown, kSwitchedOff, kWrongReminderPasswords, kSequences, kPasswordDialogs, kRefused,
  kConfigurations, kSettingsSwapped, kDamagedFiles, kSwapsInsideDialogs, kKeysInsideDialogs, kTickJumps,
  kTickWraps, kClockSetBack, kFigureCount
};
constexpr const char* kFigureNames[kFigureCount] = {
    "key codes through KeyHook", "reminder checks", "reminders shown", "switched off by the right password",
    "wrong or empty reminder passwords", "Shift-F10 configuration sequences", "password dialogs",
    "refused (\"Niepoprawne hasło\")", "configuration dialogs", "settings files swapped in",
    "of them damaged or missing", "of them while a dialog was open", "keys pressed inside dialogs",
    "tick-count jumps of 2^31 ms or more", "wraps of the tick count", "clocks set back"};

class KeyHookSoak : public testing_support::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    // Thousands of saves empty the file ("wb"); on ext4 each such save
    // waits for the disk, so the soak works in memory where it can.
    memoryDirectory.emplace("soak", true);
    Host().record = false;
    for (int i = 0; i < talvenor::kServiceCount; ++i) {
      standinEntry[i] = serviceSlots[i];
      serviceSlots[i] = kGuards[i];
    }
    std::fill(std::begin(callsThrough), std::end(callsThrough), 0);
    talvenor::ResetKeyHookStateForTests();
    talvenor::previousHook = &PreviousHook;
  }
  void TearDown() override {
    talvenor::ResetKeyHookStateForTests();
    memoryDirectory.reset();
    HostTest::TearDown();
  }

  // Mostly typing, some pauses, now and then away from the desk, and
  // rarely a tick count that jumps by 2^31 ms or more (a host left alone
  // for weeks), which reads as negative. The tick count starts minutes
  // before it wraps.
  void MoveClocks() {
    std::uint64_t step;
    std::int64_t seconds;
    const auto kind = Below(random, 100000);
    if (kind < 86000) {
      step = Below(random, 300);
    } else if (kind < 99800) {
      step = 300 + Below(random, 6000);
    } else if (kind < 99998) {
      step = 5001 + Below(random, 3'600'000);
    } else {
      step = 0x80000000u + Below(random, 0x7FFFFFFF);
      ++figures[kTickJumps];
    }
    seconds = static_cast<std::int64_t>(step / 1000);
    if (step >= 0x80000000u) seconds = static_cast<std::int64_t>(Below(random, 2 * 86400));  // a long weekend
    const std::uint32_t before = ticks;
    ticks += static_cast<std::uint32_t>(step);
    if (ticks < before) ++figures[kTickWraps];
    testing_support::SetTickCount(ticks);

    if (OneIn(random, 20000)) {
      seconds = -static_cast<std::int64_t>(1 + Below(random, 7200));  // the clock set back
      ++figures[kClockSetBack];
    }
    SetWallClock(wallClock + seconds);
  }

  void SetWallClock(std::int64_t seconds) {
    wallSeconds += seconds - wallClock;
    wallClock = seconds;
    const std::int64_t day = wallClock / 86400;
    if (day != today) {
      today = day;
      frontEnd.today = talvenor::FormatHostDate(talvenor::CivilFromDays(day));
    }
    testing_support::SetClocks(frontEnd, seconds);
  }

  void SwapSettings() {
    const SettingsFile file = RandomSettingsFile(random, today);
    // Replaced, not emptied and rewritten: as a tool saving a copy would.
    std::remove(kSettingsFile);
    if (file.bytes) testing_support::WriteFileBytes(kSettingsFile, *file.bytes);
    ++figures[kSettingsSwapped];
    if (file.damaged) ++figures[kDamagedFiles];
  }

  // A key pressed inside one of the plug-in's dialogs comes back as the
  // previous hook gave it, with no check and no configuration.
  void PressInsideDialog() {
    const std::uint32_t key = OneIn(random, 3) ? kShiftF10 : static_cast<std::uint32_t>(random());
    const long openedBefore = callsThrough[talvenor::HostFileOpenSlot];
    const std::uint32_t answer = talvenor::KeyHook(key);
    if (answer != (Chained(key) & 0xFFFF)) ADD_FAILURE() << "a key inside a dialog came back changed";
    if (!talvenor::KeyHookBusyForTests()) ADD_FAILURE() << "the hook is not busy inside its own dialog";
    if ((Host().stateFlags & 0x8000) == 0) ADD_FAILURE() << "the state flag dropped inside a dialog";
    if (callsThrough[talvenor::HostFileOpenSlot] != openedBefore) ADD_FAILURE() << "a key inside a dialog read the file";
    ++figures[kKeysInsideDialogs];
  }

  // The configuration dialog: confirm or leave, after switching the
  // reminder on or off, setting a row's interval or a new password.
  static void Edit(Random& random, ReminderSettings* settings, std::int64_t today) {
    switch (Below(random, 4)) {
      case 0:
        settings->enabled = static_cast<std::int16_t>(settings->enabled == 0);
        break;
      case 1: {
        auto& row = settings->schedules[Below(random, 3)];
        std::memset(&row, 0, sizeof row);
        std::memcpy(row.startDate, talvenor::FormatHostDate(talvenor::CivilFromDays(today)).c_str(), 9);
        row.intervalMinutes = static_cast<std::int16_t>(Below(random, 5));
        settings->enabled = 1;
        break;
      }
      case 2: {
        const std::string password = OneIn(random, 2) ? std::string() : RandomPassword(random);
        std::memset(settings->password, 0, sizeof settings->password);
        std::memcpy(settings->password, password.data(), password.size());
        break;
      }
      default:
        break;
    }
  }

  std::int32_t Answer(std::int32_t number, void* buffer) {
    if (OneIn(random, 4)) PressInsideDialog();
    if (OneIn(random, 50)) {
      SwapSettings();
      ++figures[kSwapsInsideDialogs];
    }
    if (number == 2) {
      if (OneIn(random, 4)) return 0;
      Edit(random, static_cast<ReminderSettings*>(buffer), today);
      return 1;
    }
    switch (Below(random, 4)) {
      case 0:
        return 0;  // left: an empty entry
      case 1:
        testing_support::TypeInto(buffer, number, RandomPassword(random));
        return 1;
      default:
        testing_support::TypeInto(buffer, number, StoredPassword());
        return 1;
    }
  }

  void ScriptDialogs() {
    while (frontEnd.dialogActions.size() < 4)
      frontEnd.dialogActions.push_back([this](void*, std::int32_t number, void* buffer) { return Answer(number, buffer); });
  }

  // Counts what the call showed and checks what the host saw of it.
  void Tally(long writesBefore) {
    for (const std::int32_t number : frontEnd.dialogsRun) {
      if (number == 3) ++figures[kRemindersShown];
      if (number == 2) ++figures[kConfigurations];
      if (number == 1) ++figures[kPasswordDialogs];
    }
    for (const auto& message : frontEnd.messages) {
      ASSERT_EQ(message.title, talvenor::text::kNoticeTitle.data());
      if (message.text == talvenor::text::kReminderSwitchedOff.data()) {
        ++figures[kSwitchedOff];
      } else {
        ASSERT_EQ(message.text, talvenor::text::kWrongPassword.data());
        ++figures[kRefused];
      }
    }
    ASSERT_EQ(frontEnd.tones.size() % 20, 0u) << "tones come in bursts of 20";
    figures[kWrongReminderPasswords] += frontEnd.tones.size() / 20 - std::count(frontEnd.dialogsRun.begin(),
                                                                               frontEnd.dialogsRun.end(), 3);
    if (callsThrough[talvenor::HostFileWriteSlot] != writesBefore) {
      ASSERT_EQ(testing_support::ReadFileBytes(kSettingsFile).size(), sizeof(ReminderSettings))
          << "a save left other than one record";
    }
    frontEnd.dialogsRun.clear();
    frontEnd.messages.clear();
    frontEnd.tones.clear();
  }

  Random random{FromEnvironment("TALVENOR_SOAK_SEED", kDefaultSeed)};
  std::uint32_t ticks = 0xFFF00000u;  // 17 minutes before the tick count wraps
  std::int64_t wallClock = 0;
  std::int64_t today = -1;
  std::uint64_t figures[kFigureCount] = {};
  std::int64_t wallSeconds = 0;
  std::optional<testing_support::ScratchDirectory> memoryDirectory;
};

TEST_F(KeyHookSoak, AMillionKeysLeaveTheHookIdleTheFlagsAsTheyWereAndEverySlotItsOwn) {
  const std::uint64_t seed = FromEnvironment("TALVENOR_SOAK_SEED", kDefaultSeed);
  const std::uint64_t calls = FromEnvironment("TALVENOR_SOAK_CALLS", kDefaultCalls);
  testing_support::SetTickCount(ticks);
  SetWallClock(talvenor::DaysFromCivil({2026, 12, 1}) * 86400 + 8 * 3600);
  wallSeconds = 0;
  SwapSettings();

  for (std::uint64_t n = 0; n < calls; ++n) {
    MoveClocks();
    if (OneIn(random, 3000)) SwapSettings();
    const auto flags = static_cast<std::uint16_t>(OneIn(random, 2) ? 0 : OneIn(random, 2) ? 0x8000 : random());
    Host().stateFlags = flags;
    std::uint32_t key = static_cast<std::uint32_t>(random());
    if (OneIn(random, 400)) key = (key & 0xFFFF0000u) | kShiftF10;
    if (OneIn(random, 800)) key = (key & 0xFFFF0000u) | kF10;
    ScriptDialogs();

    const long chainedBefore = chainedCalls;
    const std::uint64_t insideBefore = figures[kKeysInsideDialogs];
    const long flagReadsBefore = callsThrough[talvenor::HostGetStateFlagsSlot];
    const long writesBefore = callsThrough[talvenor::HostFileWriteSlot];
    const std::uint32_t answer = talvenor::KeyHook(key);
    ++figures[kCalls];

    ASSERT_FALSE(HasFailure()) << "call " << n << " (seed " << seed << ")";
    ASSERT_EQ(answer, Expected(key)) << "call " << n;
    ASSERT_FALSE(talvenor::KeyHookBusyForTests()) << "call " << n << " left the hook busy";
    ASSERT_EQ(Host().stateFlags, flags) << "call " << n << " left the host's state flags changed";
    ASSERT_EQ(static_cast<std::uint64_t>(chainedCalls - chainedBefore), 1 + figures[kKeysInsideDialogs] - insideBefore)
        << "call " << n << ": every key reaches the previous hook once";
    for (int i = 0; i < talvenor::kServiceCount; ++i)
      ASSERT_EQ(serviceSlots[i], kGuards[i]) << "call " << n << " changed or emptied slot " << i;
    for (const int slot : kNotTheHooksBusiness)
      ASSERT_EQ(callsThrough[slot], 0) << "call " << n << " reached " << talvenor::kHostServices[slot].name;
    const long sequences = (Chained(key) & 0xFFFF) == kShiftF10 ? 1 : 0;  // a key may be 0xFFFF itself
    figures[kSequences] += sequences;
    figures[kChecks] += callsThrough[talvenor::HostGetStateFlagsSlot] - flagReadsBefore - sequences;
    Tally(writesBefore);
    ASSERT_FALSE(HasFailure()) << "call " << n << " (seed " << seed << ")";
  }

  std::printf("soak: seed %llu, %.1f days of wall-clock time\n", static_cast<unsigned long long>(seed),
              static_cast<double>(wallSeconds) / 86400);
  for (int f = 0; f < kFigureCount; ++f)
    std::printf("soak: %llu %s\n", static_cast<unsigned long long>(figures[f]), kFigureNames[f]);

  // Every road was taken, or the soak proved less than it says.
  if (calls == kDefaultCalls) {
    for (const Figure f : {kRemindersShown, kSwitchedOff, kWrongReminderPasswords, kConfigurations, kRefused,
                           kKeysInsideDialogs, kDamagedFiles, kTickJumps, kTickWraps, kClockSetBack})
      EXPECT_GT(figures[f], 0u) << kFigureNames[f];
  }
}

}  // namespace
