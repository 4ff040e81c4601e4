#pragma once
// Calls a function with `count` 32-bit stack arguments and tells how many
// argument bytes the function removed on return (i686 only). The caller's
// stack is restored whatever the function did.
#include <cstdint>

#if defined(__i386__)
extern "C" std::uint32_t MeasureArgumentPop(const void* function, const std::uint32_t* arguments, std::uint32_t count);
#endif
