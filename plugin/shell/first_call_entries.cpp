#include "first_call_entries.h"

#include "platform.h"
#include "service_binding.h"
#include "service_slots.h"

// What a callee-popped service removes; a caller-popped one removes nothing.
#define TALVENOR_POPPED_BYTES_Callee(bytes) #bytes
#define TALVENOR_POPPED_BYTES_Caller(bytes) "0"
#define TALVENOR_FIRST_CALL_ROW(name, ordinal, pops, bytes, result, params) \
  "    TALVENOR_FIRST_CALL " #name ", " #ordinal ", " TALVENOR_POPPED_BYTES_##pops(bytes) "\n"

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
)" TALVENOR_HOST_SERVICES(TALVENOR_FIRST_CALL_ROW) R"(
    .purgem TALVENOR_FIRST_CALL
)");
#elif defined(_WIN32) && defined(__x86_64__)
// The x86-64 test build, Microsoft's convention: the arguments travel in
// rcx, rdx, r8, r9 (and xmm0-3); the callee may use 32 bytes above the
// return address; r10 and r11 are free scratch. Entered with the tail and
// the ordinal pushed, rsp is 8 off a 16-byte boundary; the eight pushes
// keep it so, and 104 more bytes (xmm0-3, the inner call's 32-byte home
// area, 8 to align) make it aligned at the inner call.
asm(R"(
    .text
    .p2align 4
TalvenorFirstCallCommon:
    pushfq
    pushq %rax
    pushq %rcx
    pushq %rdx
    pushq %r8
    pushq %r9
    pushq %r10
    pushq %r11
    subq $104, %rsp
    movdqu %xmm0, 32(%rsp)
    movdqu %xmm1, 48(%rsp)
    movdqu %xmm2, 64(%rsp)
    movdqu %xmm3, 80(%rsp)
    movl 168(%rsp), %ecx
    call TalvenorResolveOnFirstCall
    testq %rax, %rax
    jz 1f
    movq %rax, 176(%rsp)
1:  movdqu 32(%rsp), %xmm0
    movdqu 48(%rsp), %xmm1
    movdqu 64(%rsp), %xmm2
    movdqu 80(%rsp), %xmm3
    addq $104, %rsp
    popq %r11
    popq %r10
    popq %r9
    popq %r8
    popq %rdx
    popq %rcx
    popq %rax
    popfq
    leaq 8(%rsp), %rsp
    ret

    .macro TALVENOR_FIRST_CALL name, ordinal, popped
    .globl TalvenorFirstCall\name
    .p2align 4
TalvenorFirstCall\name:
    leaq 1f(%rip), %r11
    pushq %r11
    pushq $\ordinal
    jmp TalvenorFirstCallCommon
1:  xorl %eax, %eax
    ret
    .endm
)" TALVENOR_HOST_SERVICES(TALVENOR_FIRST_CALL_ROW) R"(
    .purgem TALVENOR_FIRST_CALL
)");
#elif defined(__x86_64__)
// SysV: the arguments travel in rdi, rsi, rdx, rcx, r8, r9 (and xmm0-7,
// with al counting them for a variable list); r11 is free scratch. The
// stack stays 16-byte aligned at the inner call.
asm(R"(
    .pushsection .text
    .p2align 4
    .type TalvenorFirstCallCommon, @function
TalvenorFirstCallCommon:
    pushfq
    pushq %rax
    pushq %rdi
    pushq %rsi
    pushq %rdx
    pushq %rcx
    pushq %r8
    pushq %r9
    subq $136, %rsp
    movdqu %xmm0, 0(%rsp)
    movdqu %xmm1, 16(%rsp)
    movdqu %xmm2, 32(%rsp)
    movdqu %xmm3, 48(%rsp)
    movdqu %xmm4, 64(%rsp)
    movdqu %xmm5, 80(%rsp)
    movdqu %xmm6, 96(%rsp)
    movdqu %xmm7, 112(%rsp)
    movq 200(%rsp), %rdi
    call TalvenorResolveOnFirstCall@PLT
    testq %rax, %rax
    jz 1f
    movq %rax, 208(%rsp)
1:  movdqu 0(%rsp), %xmm0
    movdqu 16(%rsp), %xmm1
    movdqu 32(%rsp), %xmm2
    movdqu 48(%rsp), %xmm3
    movdqu 64(%rsp), %xmm4
    movdqu 80(%rsp), %xmm5
    movdqu 96(%rsp), %xmm6
    movdqu 112(%rsp), %xmm7
    addq $136, %rsp
    popq %r9
    popq %r8
    popq %rcx
    popq %rdx
    popq %rsi
    popq %rdi
    popq %rax
    popfq
    leaq 8(%rsp), %rsp
    ret
    .size TalvenorFirstCallCommon, . - TalvenorFirstCallCommon

    .macro TALVENOR_FIRST_CALL name, ordinal, popped
    .globl TalvenorFirstCall\name
    .type TalvenorFirstCall\name, @function
    .p2align 4
TalvenorFirstCall\name:
    leaq 1f(%rip), %r11
    pushq %r11
    pushq $\ordinal
    jmp TalvenorFirstCallCommon
1:  xorl %eax, %eax
    ret
    .size TalvenorFirstCall\name, . - TalvenorFirstCall\name
    .endm
)" TALVENOR_HOST_SERVICES(TALVENOR_FIRST_CALL_ROW) R"(
    .purgem TALVENOR_FIRST_CALL
    .popsection
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
