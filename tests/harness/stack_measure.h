#pragma once
// Calls a function the way the host does, with `count` stack words, and
// reports what it answered and how many bytes it removed from the stack.
//
// Who removes the arguments is a contract only on the host's i686
// conventions. TALVENOR_STACK_CONTRACT is the one switch for the checks that
// mean something at 32 bits alone: stack pops and the stack pointer around
// calls. The x86-64 test build has a single convention in which the caller
// removes everything; there the words travel as integer arguments and the
// report says nothing was removed (ExpectedPop gives 0).
#include <cstdint>

#if defined(__i386__)
#define TALVENOR_STACK_CONTRACT 1
#else
#define TALVENOR_STACK_CONTRACT 0
#endif

using StackWord = std::uintptr_t;

struct MeasuredResult {
  std::uintptr_t result;  // eax (rax) on return
  std::uint32_t popped;   // argument bytes the callee removed
};

extern "C" void MeasuredCall(const void* function, const StackWord* arguments, std::uint32_t count,
                             MeasuredResult* report);

// What a callee that removes `bytes` at 32 bits is seen to remove here.
constexpr std::uint32_t ExpectedPop(std::uint32_t bytes) { return TALVENOR_STACK_CONTRACT ? bytes : 0; }

// Only the bytes removed.
inline std::uint32_t MeasureArgumentPop(const void* function, const StackWord* arguments, std::uint32_t count) {
  MeasuredResult report{};
  MeasuredCall(function, arguments, count, &report);
  return report.popped;
}
