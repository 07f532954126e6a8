// The x87 backend works inside the caller's thread: ReadDecimal must leave
// the caller's complete floating-point state as it found it, and the density
// calculation must not depend on it. The caller's state is set with FRSTOR
// and read back with FNSAVE around a call made from assembly, so that
// nothing compiled sits between the state and the call.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>

#include "core/decimal_reader.h"
#include "core/density.h"
#include "tests/support/extended_text.h"

namespace {

using FpuImage = std::array<std::uint8_t, 108>;

// Offsets in the 32-bit protected-mode FNSAVE image.
constexpr std::size_t kControlWord = 0;
constexpr std::size_t kStatusWord = 4;
constexpr std::size_t kTagWord = 8;
constexpr std::size_t kRegisters = 28;

}  // namespace

// The layout the assembly below walks; offsets are fixed for both targets.
struct FpuCall {
    FpuImage before;              // 0: loaded with FRSTOR just before the call
    FpuImage after;               // 108: FNSAVE right after it
    FpuImage own;                 // 216: the test's own state, put back at the end
    std::uint8_t padding[4];      // 324
    const char* text;             // 328
    Extended* destination;        // 332 (i686) / 336 (x86-64)
    std::uint32_t mode;           // 336 / 344
    std::uint32_t status;         // 340 / 348
};

extern "C" void QuorvelCallReadDecimal(FpuCall* call);

#if defined(__x86_64__)
static_assert(offsetof(FpuCall, text) == 328 && offsetof(FpuCall, destination) == 336 &&
              offsetof(FpuCall, mode) == 344 && offsetof(FpuCall, status) == 348);
asm(R"(
    .text
    .globl QuorvelCallReadDecimal
QuorvelCallReadDecimal:
    push %rbx
    mov %rdi, %rbx
    fnsave 216(%rbx)
    frstor 0(%rbx)
    mov 328(%rbx), %rdi
    mov 336(%rbx), %rsi
    mov 344(%rbx), %edx
    call _Z11ReadDecimalPKcP8Extendedj@PLT
    mov %eax, 348(%rbx)
    fnsave 108(%rbx)
    frstor 216(%rbx)
    pop %rbx
    ret
)");
#elif defined(__i386__)
static_assert(offsetof(FpuCall, text) == 328 && offsetof(FpuCall, destination) == 332 &&
              offsetof(FpuCall, mode) == 336 && offsetof(FpuCall, status) == 340);
asm(R"(
    .text
    .globl _QuorvelCallReadDecimal
_QuorvelCallReadDecimal:
    push %ebx
    mov 8(%esp), %ebx
    fnsave 216(%ebx)
    frstor 0(%ebx)
    pushl 336(%ebx)
    pushl 332(%ebx)
    pushl 328(%ebx)
    call __Z11ReadDecimalPKcP8Extendedj
    add $12, %esp
    mov %eax, 340(%ebx)
    fnsave 108(%ebx)
    frstor 216(%ebx)
    pop %ebx
    ret
)");
#endif

namespace {

std::uint16_t Word(const FpuImage& image, std::size_t offset)
{
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

void SetWord(FpuImage* image, std::size_t offset, std::uint16_t value)
{
    (*image)[offset] = static_cast<std::uint8_t>(value);
    (*image)[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

Extended RegisterOf(const FpuImage& image, int index)
{
    Extended x;
    std::memcpy(x.bytes, image.data() + kRegisters + 10 * index, 10);
    return x;
}

int TopOf(const FpuImage& image) { return (Word(image, kStatusWord) >> 11) & 7; }

// A hostile caller: round up, 53-bit precision, every exception unmasked,
// condition codes set, the stack top at 3 and all eight registers in use.
FpuImage HostileState()
{
    FpuImage image{};
    SetWord(&image, kControlWord, 0x0A40);  // RC=up, PC=53 bits, no masks
    SetWord(&image, kStatusWord, static_cast<std::uint16_t>(0x4500 | (3 << 11)));
    SetWord(&image, kTagWord, 0x0000);      // all valid
    for (int i = 0; i < 8; ++i) {
        const Extended value = ExtendedOfInteger(static_cast<std::uint64_t>(1000 + 111 * i), i % 2);
        std::memcpy(image.data() + kRegisters + 10 * i, value.bytes, 10);
    }
    return image;
}

FpuCall CallWith(const FpuImage& state, const char* text, Extended* destination, std::uint32_t mode)
{
    FpuCall call{};
    call.before = state;
    call.text = text;
    call.destination = destination;
    call.mode = mode;
    QuorvelCallReadDecimal(&call);
    return call;
}

void ExpectSameState(const FpuImage& before, const FpuImage& after)
{
    EXPECT_EQ(Word(after, kControlWord), Word(before, kControlWord));
    EXPECT_EQ(Word(after, kStatusWord), Word(before, kStatusWord));
    EXPECT_EQ(Word(after, kTagWord), Word(before, kTagWord));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(HexOf(RegisterOf(after, i)), HexOf(RegisterOf(before, i))) << i;
}

const char* const kTexts[] = {"21.5", "1e-3", "-99e4931", "1,5", "", "1e4932"};

TEST(CallerFpuState, StoreModeLeavesItUntouched)
{
    const FpuImage state = HostileState();
    for (const char* text : kTexts) {
        Extended destination{};
        const FpuCall call = CallWith(state, text, &destination, 1);
        SCOPED_TRACE(text);
        ExpectSameState(state, call.after);
    }
}

TEST(CallerFpuState, HandBackPushesOnlyOnSuccess)
{
    const FpuImage state = HostileState();
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        Extended untouched = MakeExtended(0x1234, 0x5678);
        const FpuCall call = CallWith(state, text, &untouched, kReadDecimalHandBack);
        EXPECT_EQ(HexOf(untouched), HexOf(MakeExtended(0x1234, 0x5678)));
        if (call.status == 0) {
            ExpectSameState(state, call.after);
            continue;
        }
        Extended stored{};
        ASSERT_NE(ReadDecimal(text, &stored, 1), 0u);
        EXPECT_EQ(Word(call.after, kControlWord), Word(state, kControlWord));
        EXPECT_EQ(TopOf(call.after), (TopOf(state) + 7) % 8);
        EXPECT_EQ(HexOf(RegisterOf(call.after, 0)), HexOf(stored));
        // The deepest value was given up; the other seven moved down one.
        for (int i = 1; i < 8; ++i) EXPECT_EQ(HexOf(RegisterOf(call.after, i)), HexOf(RegisterOf(state, i - 1)));
    }
}

TEST(CallerFpuState, DensityDoesNotDependOnTheCallersControlWord)
{
    const std::uint16_t hostile = 0x0C7F;  // round toward zero, 24-bit precision
    asm volatile("fldcw %0" : : "m"(hostile));
    const DensityResult r = CalculateDensity(1920, 1080, "21.5");
    std::uint16_t after = 0;
    asm volatile("fnstcw %0" : "=m"(after));
    EXPECT_EQ(r.density, 102);
    EXPECT_EQ(after, 0x037F) << "the calculation leaves the unit re-initialised";
}

}  // namespace
