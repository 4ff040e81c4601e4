#pragma once
// Calls a function the way the host does, with `count` 32-bit stack words,
// and reports both what it answered and how many bytes it removed from the
// stack (i686 only). The caller's stack is restored whatever the callee did.
#include <cstdint>

struct MeasuredResult {
  std::uint32_t result;  // eax on return
  std::uint32_t popped;  // argument bytes the callee removed
};

#if defined(__i386__)
extern "C" void MeasuredCall(const void* function, const std::uint32_t* arguments, std::uint32_t count,
                             MeasuredResult* report);

// Only the bytes removed.
inline std::uint32_t MeasureArgumentPop(const void* function, const std::uint32_t* arguments, std::uint32_t count) {
  MeasuredResult report{};
  MeasuredCall(function, arguments, count, &report);
  return report.popped;
}
#endif
