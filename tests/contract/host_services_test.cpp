// The host's services as every part speaks them: the service table typed
// out again, and on the real i686 conventions the stack contract of each.
// A service that removes a different number of bytes than the plug-in's
// call expects corrupts the host's stack at a customer's desk.
#include <gtest/gtest.h>

#include "contract/abi/host_services.h"
#include "harness/stack_measure.h"
#include "shell/platform.h"
#include "shell/service_slots.h"
#include "support/test_host.h"

namespace {

using talvenor::ArgumentPopper;

// Typed out again, from the host's documentation, not from the table: a
// wrong table entry must not pass by agreeing with itself.
struct Expected {
  std::uint32_t ordinal;
  const char* name;
  std::uint32_t argumentBytes;
  bool calleePops;
};
constexpr Expected kExpected[17] = {
    {52028, "HostMessageBox", 12, true},     {52029, "HostMessageBoxF", 12, false},
    {52158, "HostConvertText", 16, true},    {38417, "HostService38417", 0, true},
    {52171, "HostSound", 12, false},         {32300, "HostGetStateFlags", 0, true},
    {32408, "HostSetStateFlag", 8, true},    {51594, "HostInterfaceVersion", 0, true},
    {52026, "HostRunDialog", 20, false},     {30204, "HostTodayText", 4, true},
    {30308, "HostNowText", 8, true},         {30908, "HostDaysBetween", 8, true},
    {52534, "HostFileOpen", 20, true},       {52305, "HostFileClose", 4, true},
    {52307, "HostFileRead", 16, true},       {52308, "HostFileWrite", 16, true},
    {52249, "HostSetKeyHook", 4, true},
};

TEST(ServiceTable, SlotOrderOrdinalsAndStackContractMatchTheHost) {
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    const auto& row = talvenor::kHostServices[i];
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(row.ordinal, kExpected[i].ordinal);
    EXPECT_STREQ(row.name, kExpected[i].name);
    EXPECT_EQ(row.argumentBytes, kExpected[i].argumentBytes);
    EXPECT_EQ(row.pops == ArgumentPopper::Callee, kExpected[i].calleePops);
  }
}

#if TALVENOR_STACK_CONTRACT

class StackContract : public testing_support::HostTest {};

TEST_F(StackContract, EveryMolravExportRemovesWhatTheHostContractSays) {
  HMODULE molrav = GetModuleHandleA("MOLRAV");
  ASSERT_NE(molrav, nullptr);
  const StackWord zeros[8] = {};
  for (const auto& contract : kExpected) {
    const void* entry = reinterpret_cast<const void*>(GetProcAddress(molrav, MAKEINTRESOURCEA(contract.ordinal)));
    ASSERT_NE(entry, nullptr) << "GetProcAddress by ordinal " << contract.ordinal << " returned null";
    const std::uint32_t popped = MeasureArgumentPop(entry, zeros, contract.argumentBytes / 4);
    EXPECT_EQ(popped, contract.calleePops ? contract.argumentBytes : 0u)
        << contract.name << " removed " << popped << " bytes";
  }
}

// Calls the service through its declared pointer type with zero arguments
// and returns how far the stack pointer moved. Built without optimisation
// and with a frame pointer, so a wrong convention shows as a difference
// instead of a crash.
#pragma GCC push_options
#pragma GCC optimize("O0", "no-omit-frame-pointer")
template <typename Fn, typename R, typename... A>
__attribute__((noinline)) std::int32_t StackMoveOfDeclaredCall(void* slot, R (*)(A...)) {
  std::uint32_t before, after;
  asm volatile("movl %%esp, %0" : "=r"(before));
  reinterpret_cast<Fn>(slot)(A{}...);
  asm volatile("movl %%esp, %0" : "=r"(after));
  return static_cast<std::int32_t>(after - before);
}
// A variable list gets no arguments: only the fixed ones are passed.
template <typename Fn, typename R, typename... A>
std::int32_t StackMoveOfDeclaredCall(void* slot, R (*)(A..., ...)) {
  return StackMoveOfDeclaredCall<Fn>(slot, static_cast<R (*)(A...)>(nullptr));
}
#pragma GCC pop_options

TEST_F(StackContract, CallsThroughTheDeclaredTypesLeaveTheStackPointerWhereItWas) {
#define CHECK_DECLARED_CALL(name, ordinal, pops, bytes, result, params)                                        \
  EXPECT_EQ((StackMoveOfDeclaredCall<talvenor::name##Fn>(serviceSlots[talvenor::name##Slot],               \
                                                           static_cast<decltype(&talvenor::detail::name##Shape)>(nullptr))),                 \
            0)                                                                                               \
      << #name " moved the stack pointer";
  TALVENOR_HOST_SERVICES(CHECK_DECLARED_CALL)
#undef CHECK_DECLARED_CALL
}

#else

TEST(StackContract, OnlyMeaningfulOnI686) { GTEST_SKIP() << "the native build has one calling convention"; }

#endif

}  // namespace
