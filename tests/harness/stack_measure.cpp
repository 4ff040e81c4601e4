#include "harness/stack_measure.h"

#if defined(__i386__)
static_assert(sizeof(MeasuredResult) == 8);

// cdecl: [ebp+8] function, [ebp+12] arguments, [ebp+16] count,
// [ebp+20] report. ebx keeps the stack pointer before the pushes, edi the
// one at the call, ebp the frame; any well-behaved callee preserves all three.
asm(R"(
    .text
    .globl _MeasuredCall
_MeasuredCall:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %ebx
    jecxz 2f
1:  pushl -4(%esi,%ecx,4)
    loop 1b
2:  movl %esp, %edi
    call *8(%ebp)
    movl %esp, %ecx
    subl %edi, %ecx
    movl 20(%ebp), %edx
    movl %eax, (%edx)
    movl %ecx, 4(%edx)
    movl %ebx, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");
#else
extern "C" void MeasuredCall(const void* function, const StackWord* a, std::uint32_t count, MeasuredResult* report) {
  // One convention: the caller removes every argument, so a callee that
  // takes fewer than eight integer arguments is not hurt by the rest (none
  // of the plug-in's or the host's functions takes more).
  using W = StackWord;
  using Fn = W (*)(W, W, W, W, W, W, W, W);
  W words[8] = {};
  for (std::uint32_t i = 0; i < count && i < 8; ++i) words[i] = a[i];
  report->result = reinterpret_cast<Fn>(const_cast<void*>(function))(words[0], words[1], words[2], words[3], words[4],
                                                                    words[5], words[6], words[7]);
  report->popped = 0;
}
#endif
