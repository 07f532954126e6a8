// FRNDINT, FSCALE, FISTP m32, FBLD, FILD and FLDL2T of the software model
// against the host's x87 unit, bit for bit, and the power-of-ten sequence
// built from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/extended_ops.h"
#include "core/soft/soft_test_hooks.h"
#include "tests/soft/host_unit.h"
#include "tests/soft/mismatch.h"
#include "tests/soft/operands.h"

namespace {

constexpr long kRandomCases = 400000;

std::uint32_t Below(operands::Rng& rng, std::uint32_t n)
{
    return static_cast<std::uint32_t>(rng() % n);
}

// A value near the integers the instruction rounds to: exponent from 2^-3 to
// 2^66, and one case in four an exact half (x.5).
Extended NearIntegers(operands::Rng& rng)
{
    const std::uint32_t unbiased = Below(rng, 70);
    const std::uint16_t signAndExponent =
        static_cast<std::uint16_t>(((rng() & 1) << 15) | (0x3FFF - 3 + unbiased));
    std::uint64_t sig = rng() | 0x8000000000000000u;
    const int fractionBits = 63 - (static_cast<int>(unbiased) - 3);
    if (Below(rng, 4) == 0 && fractionBits >= 1 && fractionBits <= 63) {
        sig = (sig >> fractionBits << fractionBits) | (std::uint64_t{1} << (fractionBits - 1));
    }
    return MakeExtended(signAndExponent, sig);
}

// An FSCALE exponent: mostly a count from -70000 to 70000 with a random
// fraction, else any operand.
Extended ScaleExponent(operands::Rng& rng)
{
    if (Below(rng, 5) == 0) return operands::Any(rng);
    const std::int32_t count = static_cast<std::int32_t>(Below(rng, 140001)) - 70000;
    const Extended fraction =
        MakeExtended(static_cast<std::uint16_t>(((rng() & 1) << 15) | (0x3FFE - Below(rng, 70))),
                     rng() | 0x8000000000000000u);
    const Extended whole = unit::LoadInt32(count);
    return Below(rng, 2) == 0 ? whole : unit::Add(whole, fraction);
}

// Near the ends of the 32-bit range, or any operand at all.
Extended StoreOperand(operands::Rng& rng)
{
    switch (Below(rng, 4)) {
        case 0: {
            const std::int32_t edge = Below(rng, 2) == 0 ? INT32_MAX : INT32_MIN;
            const Extended offset = MakeExtended(
                static_cast<std::uint16_t>(((rng() & 1) << 15) | (0x3FFE - Below(rng, 3))),
                0x8000000000000000u);
            return unit::Add(unit::LoadInt32(edge), offset);
        }
        case 1:
            return operands::Any(rng);
        default:
            return NearIntegers(rng);
    }
}

class InstructionsAgainstUnit : public testing::Test {
   protected:
    void SetUp() override { ASSERT_EQ(unit::ControlWord(), unit::kInitialControlWord); }

    void Check(const std::string& inputs, const Extended& got, const Extended& expected)
    {
        if (got != expected) log_.Record(inputs, mismatch::Hex(got), mismatch::Hex(expected));
    }

    mismatch::Log log_;
};

TEST_F(InstructionsAgainstUnit, RoundToIntegerOnRandomOperands)
{
    operands::Rng rng(0xF2A1);
    for (long i = 0; i < kRandomCases; ++i) {
        const Extended a = i % 3 == 0 ? operands::Any(rng) : NearIntegers(rng);
        Check(mismatch::Hex(a), ext::RoundToInteger(a), unit::RoundToInteger(a));
    }
    for (int i = 0; i < operands::kSpecialCount; ++i) {
        const Extended a = operands::kSpecials[i];
        Check(mismatch::Hex(a), ext::RoundToInteger(a), unit::RoundToInteger(a));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(InstructionsAgainstUnit, ScaleOnRandomOperands)
{
    operands::Rng rng(0xF5CA);
    for (long i = 0; i < kRandomCases; ++i) {
        const Extended a = i % 4 == 0 ? operands::Any(rng) : operands::Finite(rng);
        const Extended n = ScaleExponent(rng);
        Check(mismatch::Hex(a) + " " + mismatch::Hex(n), ext::Scale(a, n), unit::Scale(a, n));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(InstructionsAgainstUnit, ScaleOnEverySpecialPair)
{
    for (int i = 0; i < operands::kSpecialCount; ++i) {
        for (int j = 0; j < operands::kSpecialCount; ++j) {
            const Extended a = operands::kSpecials[i];
            const Extended n = operands::kSpecials[j];
            Check(mismatch::Hex(a) + " " + mismatch::Hex(n), ext::Scale(a, n), unit::Scale(a, n));
        }
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(InstructionsAgainstUnit, StoreInt32OnRandomOperands)
{
    operands::Rng rng(0xF157);
    for (long i = 0; i < kRandomCases; ++i) {
        const Extended a = StoreOperand(rng);
        const std::int32_t got = ext::StoreInt32(a);
        const std::int32_t expected = unit::StoreInt32(a);
        if (got != expected) {
            log_.Record(mismatch::Hex(a), std::to_string(got), std::to_string(expected));
        }
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(InstructionsAgainstUnit, LoadPackedOnRandomDigits)
{
    operands::Rng rng(0xFB1D);
    for (long i = 0; i < kRandomCases; ++i) {
        PackedDecimal packed{};
        const std::uint32_t digits = Below(rng, 19);  // 0 gives a signed zero
        for (std::uint32_t d = 0; d < digits; ++d) {
            const std::uint32_t digit = Below(rng, 10);
            packed.bytes[d / 2] =
                static_cast<std::uint8_t>(packed.bytes[d / 2] | (digit << (4 * (d % 2))));
        }
        packed.bytes[9] = static_cast<std::uint8_t>((rng() & 1) << 7);
        std::string text;
        for (int b = 9; b >= 0; --b) text += std::to_string(packed.bytes[b]) + " ";
        Check(text, ext::LoadPacked(packed), unit::LoadPacked(packed));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(InstructionsAgainstUnit, LoadIntegers)
{
    const std::int32_t edges32[] = {0, 1, -1, 2, -2, INT32_MAX, INT32_MIN, INT32_MIN + 1, 1 << 30};
    for (std::int32_t v : edges32) Check(std::to_string(v), ext::LoadInt32(v), unit::LoadInt32(v));
    const Extended twoTo63 = MakeExtended(0x403E, 0x8000000000000000u);
    const std::uint64_t edges64[] = {
        0, 1, 0x7FFFFFFFFFFFFFFFu, 0x8000000000000000u, 0x8000000000000001u, 0xFFFFFFFFFFFFFFFFu};
    operands::Rng rng(0xF11D);
    for (long i = 0; i < kRandomCases / 4 + 6; ++i) {
        const std::uint64_t v = i < 6 ? edges64[i] : rng() >> Below(rng, 64);
        const std::int32_t v32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        Check(std::to_string(v32), ext::LoadInt32(v32), unit::LoadInt32(v32));
        // FILD m64 is signed: from 2^63 up, load v - 2^63 and add 2^63 (exact).
        const Extended expected =
            v >> 63 ? unit::Add(unit::LoadInt64(static_cast<std::int64_t>(v - 0x8000000000000000u)),
                                twoTo63)
                    : unit::LoadInt64(static_cast<std::int64_t>(v));
        Check(std::to_string(v), ext::LoadUint64(v), expected);
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(InstructionsAgainstUnit, LoadLog2Ten)
{
    EXPECT_EQ(mismatch::Hex(ext::LoadLog2Ten()), mismatch::Hex(unit::LoadLog2Ten()));
}

// 10^x as the decimal reader forms it: t = x * log2(10), n = FRNDINT(t),
// FSCALE(F2XM1(t - n) + 1, n), over every exponent it accepts. With the
// unit's F2XM1 swapped in, every step must agree with the unit's.
TEST_F(InstructionsAgainstUnit, PowersOfTenWithTheUnitsF2xm1)
{
    ext::SetTwoToXMinusOneSource(unit::TwoToXMinusOne);
    const Extended one = MakeExtended(0x3FFF, 0x8000000000000000u);
    for (std::int32_t x = -4951; x <= 4951; ++x) {
        const Extended t = ext::Mul(ext::LoadInt32(x), ext::LoadLog2Ten());
        const Extended n = ext::RoundToInteger(t);
        const Extended r = ext::Add(ext::TwoToXMinusOne(ext::Sub(t, n)), one);
        const Extended tUnit = unit::Mul(unit::LoadInt32(x), unit::LoadLog2Ten());
        const Extended nUnit = unit::RoundToInteger(tUnit);
        const Extended rUnit = unit::Add(unit::TwoToXMinusOne(unit::Sub(tUnit, nUnit)), one);
        Check("10^" + std::to_string(x), ext::Scale(r, n), unit::Scale(rUnit, nUnit));
    }
    ext::SetTwoToXMinusOneSource(nullptr);
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

}  // namespace
