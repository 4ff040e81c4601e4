// The binding's own entries on the real i686 conventions: a fallback or a
// first-call entry that removes other than what the caller pushed leaves
// the host's stack off after the call.
#include <cstring>

#include "harness/stack_measure.h"
#include "shell/binding_error.h"
#include "shell/fallback_stubs.h"
#include "shell/first_call_entries.h"
#include "shell/platform.h"
#include "shell/service_binding.h"
#include "shell/service_slots.h"
#include "support/test_host.h"

namespace {

using namespace talvenor;

const StackWord kZeros[16] = {};

TEST(FallbackStubs, EachRemovesFourBytesPerArgumentAndReturnsZero) {
  for (std::uint32_t n = 0; n < kFallbackStubCount; ++n) {
    MeasuredResult measured{0xBAD, 0};
    MeasuredCall(FallbackStub[n], kZeros, n, &measured);
    EXPECT_EQ(measured.result, 0u) << "stub " << n;
    EXPECT_EQ(measured.popped, ExpectedPop(4 * n)) << "stub " << n;
  }
}

class FirstCallEntries : public testing_support::HostTest {
 protected:
  void TearDown() override {
    hostModule = nullptr;
    ignoreAll = 0;
    HostTest::TearDown();
  }
};

// Whether the first call binds the host's export or, finding nothing, a
// fallback or null.
TEST_F(FirstCallEntries, FirstCallRemovesWhatTheServiceRemovesWhetherItFindsItOrNot) {
  const HMODULE molrav = GetModuleHandleA("MOLRAV");
  for (const HMODULE host : {molrav, GetModuleHandleA(nullptr)}) {  // this program exports no services
    hostModule = host;
    ignoreAll = host == molrav ? 0 : 1;  // no box: fallback or null at once
    for (int i = 0; i < kServiceCount; ++i) {
      const HostServiceInfo& service = kHostServices[i];
      const void* exported = reinterpret_cast<void*>(GetProcAddress(host, MAKEINTRESOURCEA(service.ordinal)));
      serviceSlots[i] = kFirstCallEntries[i];
      EXPECT_EQ(MeasureArgumentPop(kFirstCallEntries[i], kZeros, service.argumentBytes / 4),
                ExpectedPop(service.pops == ArgumentPopper::Callee ? service.argumentBytes : 0u))
          << service.name << " (slot now " << (serviceSlots[i] == nullptr ? "null" : "not null") << ")";
      if (host == molrav) {
        EXPECT_EQ(serviceSlots[i], exported) << service.name << " is bound to the host's export";
      }
    }
  }
  EXPECT_EQ(serviceSlots[HostFileOpenSlot], nullptr);
  EXPECT_EQ(serviceSlots[HostMessageBoxSlot], FallbackStub[3]);
  EXPECT_EQ(serviceSlots[HostFileWriteSlot], nullptr);
}

TEST_F(FirstCallEntries, ArgumentsReachTheServiceUntouched) {
  hostModule = GetModuleHandleA("MOLRAV");
  serviceSlots[HostDaysBetweenSlot] = kFirstCallEntries[HostDaysBetweenSlot];
  EXPECT_EQ(HostDaysBetween("20260302", "20260227"), 3);
  serviceSlots[HostMessageBoxFSlot] = kFirstCallEntries[HostMessageBoxFSlot];
  HostMessageBoxF("T", "%s|%s", 0xC001, "a", "b");
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].text, "a|b");
}

}  // namespace
