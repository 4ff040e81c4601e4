#include "stack_measure.h"

#if defined(__i386__)
// cdecl: [esp+4] function, [esp+8] arguments, [esp+12] count.
// ebx keeps the stack pointer before the pushes, edi the one at the call;
// both are preserved by any well-behaved callee.
asm(R"(
    .text
    .globl _MeasureArgumentPop
_MeasureArgumentPop:
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
    movl %esp, %eax
    subl %edi, %eax
    movl %ebx, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");
#endif
