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
// The registers of the first three arguments, and the stack the caller
// leaves for the callee to keep them in: System V uses rdi, rsi and rdx and
// leaves none; x64 Windows uses rcx, rdx and r8 and leaves 32 bytes.
#if defined(_WIN64)
#define QUORVEL_FIRST "%rcx"
#define QUORVEL_SECOND "%rdx"
#define QUORVEL_THIRD "%r8d"
#define QUORVEL_SHADOW "$32"
#else
#define QUORVEL_FIRST "%rdi"
#define QUORVEL_SECOND "%rsi"
#define QUORVEL_THIRD "%edx"
#define QUORVEL_SHADOW "$0"
#endif
asm("    .text\n"
    "    .globl QuorvelCallWithFpuState\n"
    "QuorvelCallWithFpuState:\n"
    "    push %rbx\n"
    "    sub " QUORVEL_SHADOW ", %rsp\n"
    "    mov " QUORVEL_FIRST ", %rbx\n"
    "    fnsave 216(%rbx)\n"
    "    frstor 0(%rbx)\n"
    "    mov 328(%rbx), " QUORVEL_FIRST "\n"
    "    mov 336(%rbx), " QUORVEL_SECOND "\n"
    "    mov 344(%rbx), " QUORVEL_THIRD "\n"
    "    call *352(%rbx)\n"
    "    mov %eax, 348(%rbx)\n"
    "    fnsave 108(%rbx)\n"
    "    frstor 216(%rbx)\n"
    "    add " QUORVEL_SHADOW ", %rsp\n"
    "    pop %rbx\n"
    "    ret\n");
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
