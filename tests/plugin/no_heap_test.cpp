// No path of the plug-in takes memory from the heap. Each path runs with a
// counting allocator that stops counting while a host service or a
// platform call runs: the host's fopen and a Windows message box allocate
// for themselves, which is not the plug-in's doing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "allocation_counter.h"
#include "exports/module_entry.h"
#include "exports/plugin_exports.h"
#include "paused_services.h"
#include "shell/binding_error.h"
#include "shell/first_call_entries.h"
#include "shell/platform.h"
#include "shell/service_binding.h"
#include "shell/service_slots.h"
#include "support/key_hook_fixture.h"

// The platform's message box, kept out of the count like a host service.
extern "C" int __real_MessageBoxA(HWND owner, const char* text, const char* caption, UINT style);
extern "C" int __wrap_MessageBoxA(HWND owner, const char* text, const char* caption, UINT style) {
  noheap::NotThePlugins platform;
  return __real_MessageBoxA(owner, text, caption, style);
}

namespace {

using namespace keyhook_test;
using noheap::AllocationsDuring;

constexpr std::uint32_t kMissingNone = 0;
std::uint32_t g_missingOrdinal = kMissingNone;  // the service MOLRAV lacks

class NoHeap : public KeyHookTest {
 protected:
  void SetUp() override {
    nativewin::Reset();
    g_missingOrdinal = kMissingNone;
    molrav = nativewin::AddModule({"MOLRAV", "C:\\Host\\MOLRAV.DLL",
                                   [](std::uint32_t ordinal) {
                                     return ordinal == g_missingOrdinal ? nullptr : noheap::PausedService(ordinal);
                                   },
                                   nullptr});
    self = nativewin::AddModule({"talvenor", "C:\\Host\\Wtyczki\\talvenor.dll", nullptr, nullptr});
    KeyHookTest::SetUp();  // binds every slot from the MOLRAV above
    talvenor::ResetKeyHookStateForTests();
  }
  void TearDown() override {
    talvenor::ResetKeyHookStateForTests();
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

TEST_F(NoHeap, LoadBindsEveryService) {
  std::int32_t loaded = 0;
  EXPECT_EQ(AllocationsDuring([&] { loaded = Load(); }), 0u) << "the load";
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(serviceSlots[talvenor::HostSetKeyHookSlot], noheap::PausedService(52249));
}

TEST_F(NoHeap, MissingServiceBoxRetryIgnoreAndAbort) {
  g_missingOrdinal = 32300;  // HostGetStateFlags: Ignore gives it a fallback
  nativewin::ScriptMessageBoxAnswers({IDRETRY, IDIGNORE});
  std::int32_t loaded = 0;
  EXPECT_EQ(AllocationsDuring([&] { loaded = Load(); }), 0u) << "the box, Retry, Ignore, the fallback";
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(nativewin::ShownMessageBoxes().size(), 2u);

  talvenor::ignoreAll = 0;
  g_missingOrdinal = 38417;
  nativewin::ScriptMessageBoxAnswers({IDABORT});
  EXPECT_EQ(AllocationsDuring([&] { loaded = Load(); }), 0u) << "the box and Abort";
  EXPECT_EQ(loaded, 0);
}

TEST_F(NoHeap, ServiceBoundOnItsFirstCall) {
  std::memcpy(serviceSlots, talvenor::kFirstCallEntries, sizeof serviceSlots);
  int hostContext = 0;
  char description[125];
  std::int32_t answer = -2;
  EXPECT_EQ(AllocationsDuring([&] {
              talvenor::EarlyAttach(self, DLL_PROCESS_ATTACH, nullptr);
              answer = PluginAttach(&hostContext, description);
            }),
            0u);
  EXPECT_EQ(answer, 0);
}

TEST_F(NoHeap, AttachStartWithNoticeAndVersionStop) {
  int hostContext = 0;
  char description[125];
  std::int32_t answer = -2;
  EXPECT_EQ(AllocationsDuring([&] {
              answer = PluginAttach(&hostContext, description);
              PluginStart(0);
              PluginStart(1);
            }),
            0u);
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(frontEnd.messages.size(), 2u) << "the first-run notice and STOP!!!";
  EXPECT_EQ(testing_support::Host().keyHook, &talvenor::KeyHook);
}

TEST_F(NoHeap, CommonPath) {
  std::uint32_t keys[3] = {};
  EXPECT_EQ(AllocationsDuring([&] {
              for (std::uint32_t& key : keys) key = Press();
            }),
            0u);
  EXPECT_EQ(keys[2], kPlainKey);
}

TEST_F(NoHeap, ReminderChecks) {
  SetTicks(ticks + 5001);
  EXPECT_EQ(AllocationsDuring([&] { Press(); }), 0u) << "a check without a settings file";

  // Due at once, inside its window: tones, the dialog, a wrong password and
  // the second burst; then the right one, the save and the message.
  StoreSettings(Settings(Row(kToday, 0, "08:00:00", "16:00:00"), "tajne"));
  frontEnd.dialogActions = {Type("zle"), Type("tajne")};
  SetTimeOfDay(12, 0, 0);
  SetTicks(ticks + 5001);
  EXPECT_EQ(AllocationsDuring([&] { Press(); }), 0u) << "the reminder, wrong password";
  SetTicks(ticks + 5001);
  EXPECT_EQ(AllocationsDuring([&] { Press(); }), 0u) << "the reminder, right password";
  EXPECT_EQ(frontEnd.tones.size(), 60u);
  EXPECT_EQ(int{StoredSettings().enabled}, 0) << "the right password switched the reminder off";

  // Outside its window, and not yet due.
  StoreSettings(Settings(Row(kToday, 0, "08:00:00", "11:00:00")));
  SetTicks(ticks + 5001);
  EXPECT_EQ(AllocationsDuring([&] { Press(); }), 0u) << "outside the window";
  StoreSettings(Settings(Row(kToday, 60)));
  SetTicks(ticks + 5001);
  EXPECT_EQ(AllocationsDuring([&] { Press(); }), 0u) << "not due";
  EXPECT_EQ(frontEnd.tones.size(), 60u);
}

TEST_F(NoHeap, ShiftF10Configuration) {
  std::uint32_t answer = 0;
  frontEnd.dialogActions = {Confirm()};
  EXPECT_EQ(AllocationsDuring([&] { answer = Press(kShiftF10); }), 0u) << "no file, no password";
  EXPECT_EQ(answer, kConsumed);

  StoreSettings(Settings(Row(kToday, 60), "tajne"));
  frontEnd.dialogActions = {Type("tajne"), Confirm(), Type("zle")};
  EXPECT_EQ(AllocationsDuring([&] { Press(kShiftF10); }), 0u) << "right password, dialog, save";
  EXPECT_EQ(AllocationsDuring([&] { Press(kShiftF10); }), 0u) << "wrong password, message, save";
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{2, 1, 2, 1}));
  EXPECT_EQ(frontEnd.messages.size(), 1u);
}

}  // namespace
