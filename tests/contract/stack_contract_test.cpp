// The stack contract between the plug-in and the host, on the real i686
// conventions: a service that removes a different number of bytes than the
// plug-in's call expects corrupts the host's stack at a customer's desk.
#include <gtest/gtest.h>

#include "harness/stack_measure.h"
#include "shell/platform.h"
#include "shell/service_slots.h"
#include "support/test_host.h"

namespace {

#if TALVENOR_STACK_CONTRACT

// What each export must remove, typed out independently of the table.
struct Contract {
  std::uint32_t ordinal;
  std::uint32_t words;  // 32-bit arguments the callers push
  bool calleePops;
};
constexpr Contract kContracts[17] = {
    {52028, 3, true}, {52029, 3, false}, {52158, 4, true}, {38417, 0, true}, {52171, 3, false}, {32300, 0, true},
    {32408, 2, true}, {51594, 0, true},  {52026, 5, false}, {30204, 1, true}, {30308, 2, true},  {30908, 2, true},
    {52534, 5, true}, {52305, 1, true},  {52307, 4, true},  {52308, 4, true}, {52249, 1, true},
};

class StackContract : public testing_support::HostTest {};

TEST_F(StackContract, EveryMolravExportRemovesWhatTheHostContractSays) {
  HMODULE molrav = GetModuleHandleA("MOLRAV");
  ASSERT_NE(molrav, nullptr);
  const StackWord zeros[8] = {};
  for (const auto& contract : kContracts) {
    const void* entry = reinterpret_cast<const void*>(GetProcAddress(molrav, MAKEINTRESOURCEA(contract.ordinal)));
    ASSERT_NE(entry, nullptr) << "GetProcAddress by ordinal " << contract.ordinal << " returned null";
    const std::uint32_t popped = MeasureArgumentPop(entry, zeros, contract.words);
    EXPECT_EQ(popped, contract.calleePops ? contract.words * 4 : 0u)
        << "ordinal " << contract.ordinal << " removed " << popped << " bytes";
  }
  testing_support::ResetHost();
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
template <typename Fn, typename R, typename... A>
__attribute__((noinline)) std::int32_t StackMoveOfDeclaredCall(void* slot, R (*)(A..., ...)) {
  std::uint32_t before, after;
  asm volatile("movl %%esp, %0" : "=r"(before));
  reinterpret_cast<Fn>(slot)(A{}...);
  asm volatile("movl %%esp, %0" : "=r"(after));
  return static_cast<std::int32_t>(after - before);
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
  testing_support::ResetHost();
}

#else

TEST(StackContract, OnlyMeaningfulOnI686) { GTEST_SKIP() << "the native build has one calling convention"; }

#endif

}  // namespace
