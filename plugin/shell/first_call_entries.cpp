#include "first_call_entries.h"

#include "platform.h"
#include "service_binding.h"
#include "service_slots.h"

// "    TALVENOR_FIRST_CALL HostMessageBox, 52028, 12": one line of assembler
// per service, with the bytes its tail removes on return.
#define TALVENOR_SPELL(x) #x
#define TALVENOR_SPELL_EXPANDED(x) TALVENOR_SPELL(x)
#define TALVENOR_FIRST_CALL_ROW(name, ordinal, pops, bytes, result, params) \
  "    TALVENOR_FIRST_CALL " #name ", " #ordinal ", " TALVENOR_SPELL_EXPANDED(TALVENOR_POPPED_BYTES(pops, bytes)) "\n"
// One TALVENOR_FIRST_CALL per service, then the assembler macro is gone.
#define TALVENOR_FIRST_CALL_ROWS TALVENOR_HOST_SERVICES(TALVENOR_FIRST_CALL_ROW) "    .purgem TALVENOR_FIRST_CALL\n"

// A first-call entry pushes where to go if the slot stays null (its own
// tail, which returns 0 and removes the arguments) and the service's
// ordinal, then joins the common part. That saves every register and the
// flags, resolves, and overwrites the pushed tail with the slot's new
// entry when there is one. After restoring it drops the ordinal and
// "returns" into the chosen address: the service then sees the caller's
// return address and arguments exactly as if it had been called directly.
#if defined(_WIN32) && defined(__i386__)
asm(R"(
    .text
    .p2align 4
_TalvenorFirstCallCommon:
    pushfl
    pushal
    pushl 36(%esp)
    call _TalvenorResolveOnFirstCall
    addl $4, %esp
    testl %eax, %eax
    jz 1f
    movl %eax, 40(%esp)
1:  popal
    popfl
    leal 4(%esp), %esp
    ret

    .macro TALVENOR_FIRST_CALL name, ordinal, popped
    .globl _TalvenorFirstCall\name
    .p2align 4
_TalvenorFirstCall\name:
    pushl $1f
    pushl $\ordinal
    jmp _TalvenorFirstCallCommon
1:  xorl %eax, %eax
    ret $\popped
    .endm
)" TALVENOR_FIRST_CALL_ROWS);
#elif defined(__x86_64__)
// x86-64: the caller removes the arguments in both conventions; what
// differs is which registers carry them. The common part pushes those, the
// flags and the entries' scratch register, and keeps the argument xmm
// registers in a frame. Entered with the tail and the ordinal pushed, rsp
// is 8 off a 16-byte boundary; the flags and seven registers keep it so,
// and the frame (an odd number of 8-byte words) aligns it at the inner
// call. TALVENOR_SAVED hands its register list to the macro named.
asm(
#if defined(_WIN32)
    // The x86-64 test build, Microsoft's convention: the arguments travel
    // in rcx, rdx, r8, r9 (and xmm0-3); r10 and r11 are free scratch. The
    // frame: the inner call's 32-byte home area, xmm0-3, 8 to align.
    R"(
    .set .Lframe, 104
    .set .LxmmAt, 32
    .set .LxmmCount, 4
    .macro TALVENOR_SAVED op
    \op rax, rcx, rdx, r8, r9, r10, r11
    .endm
    .macro TALVENOR_RESOLVE
    movl .Lframe+64(%rsp), %ecx
    call TalvenorResolveOnFirstCall
    .endm
)"
#else
    // SysV: the arguments travel in rdi, rsi, rdx, rcx, r8, r9 (and
    // xmm0-7, with al counting them for a variable list); r11 is free
    // scratch. The frame: xmm0-7, 8 to align. ELF records each function's
    // type and size.
    R"(
    .set .Lframe, 136
    .set .LxmmAt, 0
    .set .LxmmCount, 8
    .macro TALVENOR_SAVED op
    \op rax, rdi, rsi, rdx, rcx, r8, r9
    .endm
    .macro TALVENOR_RESOLVE
    movq .Lframe+64(%rsp), %rdi
    call TalvenorResolveOnFirstCall@PLT
    .endm
    .set .Lelf, 1
)"
#endif
    R"(
    .macro TALVENOR_PUSH first, rest:vararg
    pushq %\first
    .ifnb \rest
    TALVENOR_PUSH \rest
    .endif
    .endm
    .macro TALVENOR_POP first, rest:vararg  # the last pushed first
    .ifnb \rest
    TALVENOR_POP \rest
    .endif
    popq %\first
    .endm
    .macro TALVENOR_FUNCTION name
    .ifdef .Lelf
    .type \name, @function
    .endif
    .endm
    .macro TALVENOR_FUNCTION_END name
    .ifdef .Lelf
    .size \name, . - \name
    .endif
    .endm

    .ifdef .Lelf
    .pushsection .text
    .else
    .text  # PE's assembler keeps no stack of sections
    .endif
    .p2align 4
    TALVENOR_FUNCTION TalvenorFirstCallCommon
TalvenorFirstCallCommon:
    pushfq
    TALVENOR_SAVED TALVENOR_PUSH
    subq $.Lframe, %rsp
    .irpc n, 01234567
    .if \n < .LxmmCount
    movdqu %xmm\n, .LxmmAt+16*\n(%rsp)
    .endif
    .endr
    TALVENOR_RESOLVE
    testq %rax, %rax
    jz 1f
    movq %rax, .Lframe+72(%rsp)
1:
    .irpc n, 01234567
    .if \n < .LxmmCount
    movdqu .LxmmAt+16*\n(%rsp), %xmm\n
    .endif
    .endr
    addq $.Lframe, %rsp
    TALVENOR_SAVED TALVENOR_POP
    popfq
    leaq 8(%rsp), %rsp
    ret
    TALVENOR_FUNCTION_END TalvenorFirstCallCommon

    .macro TALVENOR_FIRST_CALL name, ordinal, popped
    .globl TalvenorFirstCall\name
    TALVENOR_FUNCTION TalvenorFirstCall\name
    .p2align 4
TalvenorFirstCall\name:
    leaq 1f(%rip), %r11
    pushq %r11
    pushq $\ordinal
    jmp TalvenorFirstCallCommon
1:  xorl %eax, %eax
    ret
    TALVENOR_FUNCTION_END TalvenorFirstCall\name
    .endm
)" TALVENOR_FIRST_CALL_ROWS R"(
    .ifdef .Lelf
    .popsection
    .endif
)");
#else
#error "first-call entries are written for i686 and x86-64 only"
#endif

extern "C" void* TalvenorResolveOnFirstCall(std::uint32_t ordinal) {
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    if (talvenor::kServiceStacks[i].ordinal != ordinal) continue;
    talvenor::ResolveService(MAKEINTRESOURCEA(ordinal), &serviceSlots[i]);
    return serviceSlots[i];
  }
  return nullptr;
}

namespace talvenor {

void* const kFirstCallEntries[kServiceCount] = {
#define TALVENOR_FIRST_CALL_ADDRESS(name, ordinal, pops, bytes, result, params) \
  reinterpret_cast<void*>(&TalvenorFirstCall##name),
    TALVENOR_HOST_SERVICES(TALVENOR_FIRST_CALL_ADDRESS)
#undef TALVENOR_FIRST_CALL_ADDRESS
};

}  // namespace talvenor
