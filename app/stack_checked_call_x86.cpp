// The 32-bit call stub behind the argument-balance check of bound functions.
#ifndef _WIN64
#include <cstdint>

// uint32_t StackCheckedCall(void* fn, const uint32_t* args, uint32_t count, int* unbalanced), cdecl.
// edi is callee-saved in every 32-bit Windows convention, so it still holds the
// stack pointer from before the push when the function returns.
asm(R"(
    .text
    .globl _StackCheckedCall
    .def _StackCheckedCall; .scl 2; .type 32; .endef
_StackCheckedCall:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %edi
1:
    testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:
    call *8(%ebp)
    xorl %ecx, %ecx
    cmpl %edi, %esp
    setne %cl
    movl %edi, %esp
    movl 20(%ebp), %edx
    movl %ecx, (%edx)
    popl %ebx
    popl %edi
    popl %esi
    popl %ebp
    ret
)");
#endif
