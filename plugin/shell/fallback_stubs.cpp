#include "fallback_stubs.h"

#include <cstdlib>
#include <cstring>

// The stubs are real entries, not C++ functions: stub n must remove exactly
// 4*n bytes whatever the compiler thinks of its signature, and each must
// have an address of its own for the slot to hold.
#if defined(_WIN32) && defined(__i386__)
asm(R"(
    .text
    .irp n,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14
    .globl _TalvenorFallbackStub\n
    .p2align 2
_TalvenorFallbackStub\n:
    xorl %eax, %eax
    ret $(\n * 4)
    .endr
)");
#elif defined(_WIN32) && defined(__x86_64__)
// The x86-64 test build: one convention, the caller removes everything.
asm(R"(
    .text
    .irp n,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14
    .globl TalvenorFallbackStub\n
    .p2align 2
TalvenorFallbackStub\n:
    xorl %eax, %eax
    ret
    .endr
)");
#elif defined(__x86_64__)
asm(R"(
    .pushsection .text
    .irp n,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14
    .globl TalvenorFallbackStub\n
    .type TalvenorFallbackStub\n, @function
    .p2align 2
TalvenorFallbackStub\n:
    xorl %eax, %eax
    ret
    .size TalvenorFallbackStub\n, . - TalvenorFallbackStub\n
    .endr
    .popsection
)");
#else
#error "fallback stubs are written for i686 and x86-64 only"
#endif

extern "C" {
#define TALVENOR_DECLARE_STUB(n) void TalvenorFallbackStub##n();
TALVENOR_DECLARE_STUB(0) TALVENOR_DECLARE_STUB(1) TALVENOR_DECLARE_STUB(2) TALVENOR_DECLARE_STUB(3)
TALVENOR_DECLARE_STUB(4) TALVENOR_DECLARE_STUB(5) TALVENOR_DECLARE_STUB(6) TALVENOR_DECLARE_STUB(7)
TALVENOR_DECLARE_STUB(8) TALVENOR_DECLARE_STUB(9) TALVENOR_DECLARE_STUB(10) TALVENOR_DECLARE_STUB(11)
TALVENOR_DECLARE_STUB(12) TALVENOR_DECLARE_STUB(13) TALVENOR_DECLARE_STUB(14)
#undef TALVENOR_DECLARE_STUB
}

namespace talvenor {

#define TALVENOR_STUB(n) reinterpret_cast<void*>(&TalvenorFallbackStub##n)
void* const FallbackStub[kFallbackStubCount] = {
    TALVENOR_STUB(0),  TALVENOR_STUB(1),  TALVENOR_STUB(2),  TALVENOR_STUB(3),  TALVENOR_STUB(4),
    TALVENOR_STUB(5),  TALVENOR_STUB(6),  TALVENOR_STUB(7),  TALVENOR_STUB(8),  TALVENOR_STUB(9),
    TALVENOR_STUB(10), TALVENOR_STUB(11), TALVENOR_STUB(12), TALVENOR_STUB(13), TALVENOR_STUB(14),
};
#undef TALVENOR_STUB

namespace {

// Returns kNoFallback when the number after the last '@' is too large.
int FallbackForName(const char* name) {
  const char* at = std::strrchr(name, '@');
  if (at == nullptr || at[1] < '0' || at[1] > '9') return 0;
  // strtol, not atoi: atoi's overflow is undefined, and a huge number has
  // come back negative, or wrapped to a small one, on some runtimes;
  // strtol saturates, so a huge number reads as too large.
  return FallbackForBytes(std::strtol(at + 1, nullptr, 10));
}

}  // namespace

void TALVENOR_CALLEE_POPS ChooseFallback(const char* identifier, ServiceSlot* slot) {
  const int stub =
      IsOrdinal(identifier)
          ? FallbackForOrdinal(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(identifier)))
          : FallbackForName(identifier);
  *slot = stub == kNoFallback ? nullptr : FallbackStub[stub];
}

}  // namespace talvenor
