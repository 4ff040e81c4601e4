// No path of the plug-in takes memory from the heap. Each path runs with a
// counting allocator that stops counting while a host service or a
// platform call runs: the host's fopen and a Windows message box allocate
// for themselves, which is not the plug-in's doing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <vector>

#include "allocation_counter.h"
#include "exports/module_entry.h"
#include "exports/plugin_exports.h"
#include "shell/binding_error.h"
#include "shell/first_call_entries.h"
#include "shell/platform.h"
#include "shell/service_binding.h"
#include "shell/service_slots.h"
#include "support/key_hook_fixture.h"
#include "support/wrapped_services.h"

// The platform's message box, kept out of the count like a host service.
extern "C" int __real_MessageBoxA(HWND owner, const char* text, const char* caption, UINT style);
extern "C" int __wrap_MessageBoxA(HWND owner, const char* text, const char* caption, UINT style) {
  noheap::NotThePlugins platform;
  return __real_MessageBoxA(owner, text, caption, style);
}

namespace {

using namespace keyhook_test;
using noheap::AllocationsDuring;

// The host's own work is not counted: its call log, fopen's buffer, the front end's record.
template <int> struct HostAtWork : noheap::NotThePlugins {};

// The stand-in's export of `ordinal` outside the count; null when it has none.
void* PausedService(std::uint32_t ordinal) {
  for (int i = 0; i < talvenor::kServiceCount; ++i)
    if (talvenor::kHostServices[i].ordinal == ordinal) return testing_support::kWrappedServices<HostAtWork>[i];
  return nullptr;
}

constexpr std::uint32_t kMissingNone = 0;
std::uint32_t g_missingOrdinal = kMissingNone;  // the service MOLRAV lacks

class NoHeap : public KeyHookTest {
 protected:
  void SetUp() override {
    nativewin::Reset();
    g_missingOrdinal = kMissingNone;
    molrav = nativewin::AddModule({"MOLRAV", "C:\\Host\\MOLRAV.DLL",
                                   [](std::uint32_t ordinal) {
                                     return ordinal == g_missingOrdinal ? nullptr : PausedService(ordinal);
                                   },
                                   nullptr});
    self = nativewin::AddModule({"talvenor", "C:\\Host\\Wtyczki\\talvenor.dll", nullptr, nullptr});
    KeyHookTest::SetUp();  // binds every slot from the MOLRAV above
  }
  void TearDown() override {
    talvenor::ignoreAll = 0;
    KeyHookTest::TearDown();
    nativewin::Reset();
  }

  // As the platform's loader does it: the module's attach notification.
  std::int32_t Load() {
    std::memcpy(serviceSlots, talvenor::kFirstCallEntries, sizeof serviceSlots);
    return talvenor::ModuleEntry(self, DLL_PROCESS_ATTACH, nullptr);
  }

  HMODULE molrav = nullptr;
  HMODULE self = nullptr;
};

TEST_F(NoHeap, CounterSeesTheHeapButNotTheHostsOwnUse) {
  static void* volatile kept;
  EXPECT_EQ(AllocationsDuring([] { kept = std::malloc(16); }), 1u);
  std::free(kept);
  EXPECT_EQ(AllocationsDuring([] { kept = ::operator new(16); }), 1u);
  ::operator delete(kept);
  EXPECT_EQ(AllocationsDuring([] {
              noheap::NotThePlugins host;
              kept = std::malloc(16);
            }),
            0u);
  std::free(kept);
  // The stand-in's services do allocate: unwrapped, a save would count.
  const ReminderSettings record{};
  serviceSlots[talvenor::HostFileOpenSlot] = reinterpret_cast<void*>(&standin::StandinHostFileOpen);
  EXPECT_GT(AllocationsDuring([&] { talvenor::SaveReminderSettings(&record); }), 0u);
}

TEST_F(NoHeap, LoadBindsEveryServiceOrShowsTheBoxForAMissingOne) {
  std::int32_t loaded = 0;
  EXPECT_EQ(AllocationsDuring([&] { loaded = Load(); }), 0u) << "the load";
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(serviceSlots[talvenor::HostSetKeyHookSlot], PausedService(52249));

  g_missingOrdinal = 32300;  // HostGetStateFlags: Ignore gives it a fallback
  nativewin::ScriptMessageBoxAnswers({IDRETRY, IDIGNORE});
  EXPECT_EQ(AllocationsDuring([&] { loaded = Load(); }), 0u) << "the box, Retry, Ignore, the fallback";
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(nativewin::ShownMessageBoxes().size(), 2u);

  talvenor::ignoreAll = 0;
  g_missingOrdinal = 38417;
  nativewin::ScriptMessageBoxAnswers({IDABORT});
  EXPECT_EQ(AllocationsDuring([&] { loaded = Load(); }), 0u) << "the box and Abort";
  EXPECT_EQ(loaded, 0);
}

// The services are bound as each is first called, all inside the count.
TEST_F(NoHeap, AttachStartWithNoticeAndVersionStop) {
  std::memcpy(serviceSlots, talvenor::kFirstCallEntries, sizeof serviceSlots);
  int hostContext = 0;
  char description[125];
  std::int32_t answer = -2;
  EXPECT_EQ(AllocationsDuring([&] {
              talvenor::EarlyAttach(self, DLL_PROCESS_ATTACH, nullptr);
              answer = PluginAttach(&hostContext, description);
              PluginStart(0);
              PluginStart(1);
            }),
            0u);
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(frontEnd.messages.size(), 2u) << "the first-run notice and STOP!!!";
  EXPECT_EQ(testing_support::Host().keyHook, &talvenor::KeyHook);
}

// One key through the hook, with the settings file and the user's answers
// as given: the common path, the reminder check and Shift-F10.
struct KeyPath {
  const char* what;
  std::optional<ReminderSettings> stored;  // none: no settings file
  std::vector<DialogAction> answers;
  std::uint32_t key;
  std::uint32_t afterMs;  // since the last key; past 5000 a check runs
  bool firstKey;          // the hook's first key: it only starts the gate
  std::vector<std::int32_t> dialogs;
  std::size_t tones, notices;
};
void PrintTo(const KeyPath& path, std::ostream* out) { *out << path.what; }

std::vector<KeyPath> KeyPaths() {
  const ReminderSettings inWindow = Settings(Row(kToday, 0, "08:00:00", "16:00:00"), "tajne");
  const ReminderSettings everyHour = Settings(Row(kToday, 60), "tajne");
  return {
      {"the first key", std::nullopt, {}, kPlainKey, 5001, true, {}, 0, 0},
      {"a key, no check", std::nullopt, {}, kPlainKey, 0, false, {}, 0, 0},
      {"a check without a settings file", std::nullopt, {}, kPlainKey, 5001, false, {}, 0, 0},
      {"the reminder, wrong password: the second burst", inWindow, {Type("zle")}, kPlainKey, 5001, false, {3}, 40, 0},
      {"the reminder, right password: the save and the notice", inWindow, {Type("tajne")}, kPlainKey, 5001, false,
       {3}, 20, 1},
      {"outside the window", Settings(Row(kToday, 0, "08:00:00", "11:00:00")), {}, kPlainKey, 5001, false, {}, 0, 0},
      {"not due", everyHour, {}, kPlainKey, 5001, false, {}, 0, 0},
      {"Shift-F10, no file, no password", std::nullopt, {Confirm()}, kShiftF10, 0, false, {2}, 0, 0},
      {"Shift-F10, right password, dialog, save", everyHour, {Type("tajne"), Confirm()}, kShiftF10, 0, false, {1, 2},
       0, 0},
      {"Shift-F10, wrong password, notice, save", everyHour, {Type("zle")}, kShiftF10, 0, false, {1}, 0, 1},
  };
}

class NoHeapKeys : public NoHeap, public testing::WithParamInterface<KeyPath> {};

TEST_P(NoHeapKeys, NoAllocation) {
  const KeyPath& path = GetParam();
  if (path.stored) StoreSettings(*path.stored);
  frontEnd.dialogActions.assign(path.answers.begin(), path.answers.end());
  if (path.firstKey) talvenor::ResetKeyHookStateForTests();
  SetTicks(ticks + path.afterMs);
  std::uint32_t answer = 0;
  EXPECT_EQ(AllocationsDuring([&] { answer = Press(path.key); }), 0u);
  EXPECT_EQ(answer, path.key == kShiftF10 ? kConsumed : kPlainKey);
  EXPECT_EQ(frontEnd.dialogsRun, path.dialogs) << "the path was taken";
  EXPECT_EQ(frontEnd.tones.size(), path.tones);
  EXPECT_EQ(frontEnd.messages.size(), path.notices);
}

INSTANTIATE_TEST_SUITE_P(Paths, NoHeapKeys, testing::ValuesIn(KeyPaths()));

}  // namespace
