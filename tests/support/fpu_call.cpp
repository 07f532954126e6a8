#include "tests/support/fpu_call.h"

#include <cstring>

namespace {

// The block the assembly walks; its offsets are fixed for both targets.
struct FpuCallBlock {
    FpuImage before;               // 0
    FpuImage after;                // 108
    FpuImage own;                  // 216
    std::uint8_t padding[4];       // 324
    const char* text;              // 328
    Extended* destination;         // 332 (i686) / 336 (x86-64)
    std::uint32_t mode;            // 336 / 344
    std::uint32_t status;          // 340 / 348
    ReadDecimalFunction function;  // 344 / 352
};

}  // namespace

extern "C" void QuorvelCallWithFpuState(FpuCallBlock* block);

#if defined(__x86_64__)
static_assert(offsetof(FpuCallBlock, text) == 328 && offsetof(FpuCallBlock, destination) == 336 &&
              offsetof(FpuCallBlock, mode) == 344 && offsetof(FpuCallBlock, status) == 348 &&
              offsetof(FpuCallBlock, function) == 352);
#endif
#if defined(__x86_64__) && defined(_WIN64)
// The x64 Windows convention: arguments in rcx, rdx and r8, and 32 bytes of
// the caller's stack for the callee to keep them in.
asm(R"(
    .text
    .globl QuorvelCallWithFpuState
QuorvelCallWithFpuState:
    push %rbx
    sub $32, %rsp
    mov %rcx, %rbx
    fnsave 216(%rbx)
    frstor 0(%rbx)
    mov 328(%rbx), %rcx
    mov 336(%rbx), %rdx
    mov 344(%rbx), %r8d
    call *352(%rbx)
    mov %eax, 348(%rbx)
    fnsave 108(%rbx)
    frstor 216(%rbx)
    add $32, %rsp
    pop %rbx
    ret
)");
#elif defined(__x86_64__)
// The System V convention: arguments in rdi, rsi and rdx.
asm(R"(
    .text
    .globl QuorvelCallWithFpuState
QuorvelCallWithFpuState:
    push %rbx
    mov %rdi, %rbx
    fnsave 216(%rbx)
    frstor 0(%rbx)
    mov 328(%rbx), %rdi
    mov 336(%rbx), %rsi
    mov 344(%rbx), %edx
    call *352(%rbx)
    mov %eax, 348(%rbx)
    fnsave 108(%rbx)
    frstor 216(%rbx)
    pop %rbx
    ret
)");
#elif defined(__i386__)
static_assert(offsetof(FpuCallBlock, text) == 328 && offsetof(FpuCallBlock, destination) == 332 &&
              offsetof(FpuCallBlock, mode) == 336 && offsetof(FpuCallBlock, status) == 340 &&
              offsetof(FpuCallBlock, function) == 344);
asm(R"(
    .text
    .globl _QuorvelCallWithFpuState
_QuorvelCallWithFpuState:
    push %ebx
    mov 8(%esp), %ebx
    fnsave 216(%ebx)
    frstor 0(%ebx)
    pushl 336(%ebx)
    pushl 332(%ebx)
    pushl 328(%ebx)
    call *344(%ebx)
    add $12, %esp
    mov %eax, 340(%ebx)
    fnsave 108(%ebx)
    frstor 216(%ebx)
    pop %ebx
    ret
)");
#endif

FpuCallResult CallWithFpuState(ReadDecimalFunction function, const FpuImage& before,
                               const char* text, Extended* destination, std::uint32_t mode)
{
    FpuCallBlock block{};
    block.before = before;
    block.text = text;
    block.destination = destination;
    block.mode = mode;
    block.function = function;
    QuorvelCallWithFpuState(&block);
    return FpuCallResult{block.status, block.after};
}

std::uint16_t FpuWord(const FpuImage& image, std::size_t offset)
{
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

void SetFpuWord(FpuImage* image, std::size_t offset, std::uint16_t value)
{
    (*image)[offset] = static_cast<std::uint8_t>(value);
    (*image)[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

Extended FpuRegister(const FpuImage& image, int index)
{
    Extended x;
    std::memcpy(x.bytes, image.data() + kFpuRegisters + 10 * index, 10);
    return x;
}

void SetFpuRegister(FpuImage* image, int index, const Extended& value)
{
    std::memcpy(image->data() + kFpuRegisters + 10 * index, value.bytes, 10);
}

int FpuTop(const FpuImage& image)
{
    return (FpuWord(image, kFpuStatusWord) >> 11) & 7;
}
