// The x87 backend works inside the caller's thread: ReadDecimal must leave
// the caller's complete floating-point state as it found it, and the density
// calculation must not depend on it.
#include <gtest/gtest.h>

#include "core/decimal_reader.h"
#include "core/density.h"
#include "tests/support/extended_text.h"
#include "tests/support/fpu_call.h"

namespace {

// A hostile caller: round up, 53-bit precision, every exception unmasked,
// condition codes set, the stack top at 3 and all eight registers in use.
FpuImage HostileState()
{
    FpuImage image{};
    SetFpuWord(&image, kFpuControlWord, 0x0A40);  // RC=up, PC=53 bits, no masks
    SetFpuWord(&image, kFpuStatusWord, static_cast<std::uint16_t>(0x4500 | (3 << 11)));
    SetFpuWord(&image, kFpuTagWord, 0x0000);      // all valid
    for (int i = 0; i < 8; ++i) {
        SetFpuRegister(&image, i, ExtendedOfInteger(static_cast<std::uint64_t>(1000 + 111 * i), i % 2));
    }
    return image;
}

void ExpectSameState(const FpuImage& before, const FpuImage& after)
{
    EXPECT_EQ(FpuWord(after, kFpuControlWord), FpuWord(before, kFpuControlWord));
    EXPECT_EQ(FpuWord(after, kFpuStatusWord), FpuWord(before, kFpuStatusWord));
    EXPECT_EQ(FpuWord(after, kFpuTagWord), FpuWord(before, kFpuTagWord));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(HexOf(FpuRegister(after, i)), HexOf(FpuRegister(before, i))) << i;
}

const char* const kTexts[] = {"21.5", "1e-3", "-99e4931", "1,5", "", "1e4932"};

TEST(CallerFpuState, StoreModeLeavesItUntouched)
{
    const FpuImage state = HostileState();
    for (const char* text : kTexts) {
        Extended destination{};
        const FpuCallResult call = CallWithFpuState(ReadDecimal, state, text, &destination, kReadDecimalStore);
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
        const FpuCallResult call = CallWithFpuState(ReadDecimal, state, text, &untouched, kReadDecimalHandBack);
        EXPECT_EQ(HexOf(untouched), HexOf(MakeExtended(0x1234, 0x5678)));
        if (call.status == 0) {
            ExpectSameState(state, call.after);
            continue;
        }
        Extended stored{};
        ASSERT_NE(ReadDecimal(text, &stored, kReadDecimalStore), 0u);
        EXPECT_EQ(FpuWord(call.after, kFpuControlWord), FpuWord(state, kFpuControlWord));
        EXPECT_EQ(FpuTop(call.after), (FpuTop(state) + 7) % 8);
        EXPECT_EQ(HexOf(FpuRegister(call.after, 0)), HexOf(stored));
        // The deepest value was given up; the other seven moved down one.
        for (int i = 1; i < 8; ++i) EXPECT_EQ(HexOf(FpuRegister(call.after, i)), HexOf(FpuRegister(state, i - 1)));
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
