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
#include <optional>
#include <random>

#include "contract/text/date_text.h"
#include "contract/text/time_of_day.h"
#include "reminder/key_hook.h"
#include "reminder/reminder_settings.h"
#include "shell/service_slots.h"
#include "support/test_host.h"
#include "support/wrapped_services.h"
#include "text/texts.h"

namespace {

using talvenor::ReminderSchedule;
using talvenor::ReminderSettings;
using namespace testing_support;
using Random = std::mt19937_64;

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr std::uint64_t kDefaultCalls = 1'000'000;
constexpr std::uint32_t kF10 = 0x4400;  // the previous hook turns it into Shift-F10

// A whole number in [0, n).
std::uint64_t Below(Random& random, std::uint64_t n) { return random() % n; }
// True once in `n` times.
bool OneIn(Random& random, std::uint64_t n) { return Below(random, n) == 0; }

// Printable ASCII, and now and then a Mazovia letter; never NUL.
char RandomCharacter(Random& random) {
  constexpr char kMazoviaLetters[] = "\x86\x8D\x8F\x90\x91\x92\x95\x98\x9C\x9E\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7";
  if (OneIn(random, 8)) return kMazoviaLetters[Below(random, sizeof kMazoviaLetters - 1)];
  return static_cast<char>(' ' + Below(random, 95));
}

std::string RandomPassword(Random& random) {
  std::string password;
  for (auto n = 1 + Below(random, 20); n > 0; --n) password += RandomCharacter(random);
  return password;
}

// Not in use, or starting around `today` (some ahead of it), with or without
// a window or one of its bounds.
ReminderSchedule RandomRow(Random& random, std::int64_t today) {
  constexpr std::int16_t kIntervals[] = {-5, -1, 0, 1, 1, 2, 3, 5, 10, 30, 60, 32767};
  if (OneIn(random, 3)) return {};
  const std::string start = talvenor::FormatHostDate(talvenor::CivilFromDays(today + 5 - Below(random, 40)));
  const std::int16_t interval = kIntervals[Below(random, std::size(kIntervals))];
  const int one = static_cast<int>(Below(random, 86400));
  const int other = static_cast<int>(Below(random, 86400));
  const std::string from = talvenor::FormatTimeOfDay(std::min(one, other));
  const std::string to = talvenor::FormatTimeOfDay(std::max(one, other));
  switch (Below(random, 4)) {
    case 0: return testing_support::Row(start, interval);
    case 1: return testing_support::Row(start, interval, from, to);
    case 2: return testing_support::Row(start, interval, from);
    default: return testing_support::Row(start, interval, "", to);
  }
}

struct SettingsFile {
  std::optional<std::string> bytes;  // nothing: no file at all
  bool damaged = false;
};

// A sound file as the configuration dialog or the settings tool would leave
// it, or a damaged one: cut short, overlong, bytes flipped, noise, none.
SettingsFile RandomSettingsFile(Random& random, std::int64_t today) {
  ReminderSettings record = testing_support::Settings(RandomRow(random, today),
                                                      OneIn(random, 2) ? "" : RandomPassword(random));
  std::memset(record.text, 0, sizeof record.text);
  for (std::size_t i = 0, n = Below(random, 481); i < n; ++i) record.text[i] = RandomCharacter(random);
  for (ReminderSchedule& row : record.schedules) row = RandomRow(random, today);
  record.enabled = OneIn(random, 5) ? 0 : static_cast<std::int16_t>(1 + Below(random, 3));
  std::string bytes = testing_support::SettingsFileBytes(record);
  switch (Below(random, 10)) {
    case 0:
      return {std::nullopt, false};
    case 1:  // cut short
      bytes.resize(Below(random, bytes.size()));
      return {bytes, true};
    case 2:  // overlong: another program appended to it
      for (auto n = 1 + Below(random, 609); n > 0; --n) bytes += static_cast<char>(random());
      return {bytes, true};
    case 3:  // bytes flipped anywhere, NULs of the texts included
      for (auto n = 1 + Below(random, 40); n > 0; --n) bytes[Below(random, bytes.size())] = static_cast<char>(random());
      return {bytes, true};
    case 4: {  // noise of any length up to 1200 bytes
      std::string noise(Below(random, 1201), '\0');
      for (char& b : noise) b = static_cast<char>(random());
      return {noise, true};
    }
    case 5:  // no NUL anywhere in the record
      for (char& b : bytes)
        if (b == '\xFF') b = static_cast<char>(~('0' + Below(random, 10)));
      return {bytes, true};
    default:
      return {bytes, false};
  }
}

// Every slot holds a wrapper that counts the call and goes on to the
// stand-in's export; a call of a service the hook never uses is a fault.
long callsThrough[talvenor::kServiceCount];
template <int Slot> struct Counted {
  Counted() { ++callsThrough[Slot]; }
};
void* const* const kCounted = testing_support::kWrappedServices<Counted>;

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

// The roads the soak must each take at least once, or it proves less than it says.
enum Figure {
  kRemindersShown, kSwitchedOff, kWrongReminderPasswords, kConfigurations, kRefused, kKeysInsideDialogs,
  kDamagedFiles, kTickJumps, kTickWraps, kClockSetBack, kFigureCount
};
constexpr const char* kFigureNames[kFigureCount] = {
    "reminders shown", "switched off by the right password", "wrong or empty reminder passwords",
    "configuration dialogs", "refused (\"Niepoprawne hasło\")", "keys pressed inside dialogs",
    "damaged or missing settings files", "tick-count jumps of 2^31 ms or more", "wraps of the tick count",
    "clocks set back"};

class KeyHookSoak : public testing_support::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    // Thousands of saves empty the file ("wb"); on ext4 each such save
    // waits for the disk, so the soak works in memory where it can.
    memoryDirectory.emplace("soak", true);
    Host().record = false;
    std::copy_n(kCounted, talvenor::kServiceCount, serviceSlots);
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
    auto seconds = static_cast<std::int64_t>(step >= 0x80000000u ? Below(random, 2 * 86400) : step / 1000);
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
    wallClock = seconds;
    today = wallClock / 86400;
    frontEnd.today = talvenor::FormatHostDate(talvenor::CivilFromDays(today));
    testing_support::SetClocks(frontEnd, seconds);
  }

  void SwapSettings() {
    const SettingsFile file = RandomSettingsFile(random, today);
    // Replaced, not emptied and rewritten: as a tool saving a copy would.
    std::remove(kSettingsFile);
    if (file.bytes) testing_support::WriteFileBytes(kSettingsFile, *file.bytes);
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
  void Edit(ReminderSettings* settings) {
    switch (Below(random, 4)) {
      case 0:
        settings->enabled = static_cast<std::int16_t>(settings->enabled == 0);
        break;
      case 1:
        settings->schedules[Below(random, 3)] =
            testing_support::Row(frontEnd.today, static_cast<std::int16_t>(Below(random, 5)));
        settings->enabled = 1;
        break;
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
    if (OneIn(random, 50)) SwapSettings();
    if (number == 2) {
      if (OneIn(random, 4)) return 0;
      Edit(static_cast<ReminderSettings*>(buffer));
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
    const auto reminders = std::count(frontEnd.dialogsRun.begin(), frontEnd.dialogsRun.end(), 3);
    figures[kRemindersShown] += reminders;
    figures[kConfigurations] += std::count(frontEnd.dialogsRun.begin(), frontEnd.dialogsRun.end(), 2);
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
    figures[kWrongReminderPasswords] += frontEnd.tones.size() / 20 - reminders;
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
  std::int64_t today = 0;
  std::uint64_t figures[kFigureCount] = {};
  std::optional<testing_support::ScratchDirectory> memoryDirectory;
};

TEST_F(KeyHookSoak, AMillionKeysLeaveTheHookIdleTheFlagsAsTheyWereAndEverySlotItsOwn) {
  const std::uint64_t seed = FromEnvironment("TALVENOR_SOAK_SEED", kDefaultSeed);
  const std::uint64_t calls = FromEnvironment("TALVENOR_SOAK_CALLS", kDefaultCalls);
  testing_support::SetTickCount(ticks);
  const std::int64_t start = talvenor::DaysFromCivil({2026, 12, 1}) * 86400 + 8 * 3600;
  SetWallClock(start);
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
    const long writesBefore = callsThrough[talvenor::HostFileWriteSlot];
    const std::uint32_t answer = talvenor::KeyHook(key);

    ASSERT_FALSE(HasFailure()) << "call " << n << " (seed " << seed << ")";
    ASSERT_EQ(answer, Expected(key)) << "call " << n;
    ASSERT_FALSE(talvenor::KeyHookBusyForTests()) << "call " << n << " left the hook busy";
    ASSERT_EQ(Host().stateFlags, flags) << "call " << n << " left the host's state flags changed";
    ASSERT_EQ(static_cast<std::uint64_t>(chainedCalls - chainedBefore), 1 + figures[kKeysInsideDialogs] - insideBefore)
        << "call " << n << ": every key reaches the previous hook once";
    ASSERT_TRUE(std::equal(kCounted, kCounted + talvenor::kServiceCount, serviceSlots))
        << "call " << n << " changed or emptied a slot";
    for (const int slot : kNotTheHooksBusiness)
      ASSERT_EQ(callsThrough[slot], 0) << "call " << n << " reached " << talvenor::kHostServices[slot].name;
    Tally(writesBefore);
    ASSERT_FALSE(HasFailure()) << "call " << n << " (seed " << seed << ")";
  }

  std::printf("soak: seed %llu, %llu calls, %.1f days of wall-clock time\n", static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(calls), static_cast<double>(wallClock - start) / 86400);
  for (int f = 0; f < kFigureCount; ++f) {
    std::printf("soak: %llu %s\n", static_cast<unsigned long long>(figures[f]), kFigureNames[f]);
    if (calls == kDefaultCalls) {
      EXPECT_GT(figures[f], 0u) << kFigureNames[f];
    }
  }
}

}  // namespace
