#include "support/stack_measure.h"

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
#endif
