// The software model against the host's x87 unit, bit for bit: every
// operation on random operands drawn to stress its edges, and on every
// pairing of the special operands.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "core/extended_ops.h"
#include "tests/support/host_unit.h"
#include "tests/soft/mismatch.h"
#include "tests/soft/operands.h"

namespace {

using operands::Below;
using operands::Rng;
using operands::WithSign;
using Unary = Extended (*)(const Extended&);
using Binary = Extended (*)(const Extended&, const Extended&);

constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;

Extended AnyOrFinite(Rng& rng)
{
    return Below(rng, 4) == 0 ? operands::Any(rng) : operands::Finite(rng);
}

// A square or a neighbour of one: exact roots and roots just beside them.
Extended NearSquare(Rng& rng)
{
    const Extended root = operands::Finite(rng);
    const Extended square = unit::Mul(root, root);
    const std::uint64_t sig = SignificandOf(square);
    if (sig == kIntegerBit || (SignAndExponentOf(square) & 0x7FFF) == 0) return square;
    return MakeExtended(SignAndExponentOf(square), sig + Below(rng, 3) - 1);
}

// Near the integers FRNDINT and FISTP round to: magnitudes from 2^-3 to 2^66,
// one in four an exact half.
Extended NearInteger(Rng& rng)
{
    const int unbiased = static_cast<int>(Below(rng, 70)) - 3;
    std::uint64_t sig = rng() | kIntegerBit;
    const int fractionBits = 63 - unbiased;
    if (Below(rng, 4) == 0 && fractionBits >= 1 && fractionBits <= 63) {
        sig = (sig >> fractionBits << fractionBits) | (std::uint64_t{1} << (fractionBits - 1));
    }
    return MakeExtended(WithSign(rng, static_cast<std::uint32_t>(0x3FFF + unbiased)), sig);
}

Extended NearIntegerOrAny(Rng& rng)
{
    return Below(rng, 3) == 0 ? operands::Any(rng) : NearInteger(rng);
}

Extended SumPartner(const Extended& a, Rng& rng)
{
    return operands::Partner(a, operands::Combine::kSum, rng);
}

Extended ProductPartner(const Extended& a, Rng& rng)
{
    return operands::Partner(a, operands::Combine::kProduct, rng);
}

Extended QuotientPartner(const Extended& a, Rng& rng)
{
    return operands::Partner(a, operands::Combine::kQuotient, rng);
}

// An FSCALE exponent: mostly a count within +-70000, whole or with a
// fraction; sometimes any operand.
Extended ScaleExponent(const Extended&, Rng& rng)
{
    if (Below(rng, 5) == 0) return operands::Any(rng);
    const Extended count = unit::LoadInt32(static_cast<std::int32_t>(Below(rng, 140001)) - 70000);
    if (Below(rng, 2) == 0) return count;
    return unit::Add(count,
                     MakeExtended(WithSign(rng, 0x3FFE - Below(rng, 70)), rng() | kIntegerBit));
}

struct UnaryCase {
    const char* name;
    Unary model;
    Unary reference;
    Extended (*draw)(Rng&);
};

struct BinaryCase {
    const char* name;
    Binary model;
    Binary reference;
    Extended (*partner)(const Extended&, Rng&);
};

const UnaryCase kUnaryCases[] = {
    {"Sqrt", ext::Sqrt, unit::Sqrt, AnyOrFinite},
    {"SqrtNearSquares", ext::Sqrt, unit::Sqrt, NearSquare},
    {"RoundToInteger", ext::RoundToInteger, unit::RoundToInteger, NearIntegerOrAny},
};

const BinaryCase kBinaryCases[] = {
    {"Add", ext::Add, unit::Add, SumPartner},
    {"Sub", ext::Sub, unit::Sub, SumPartner},
    {"Mul", ext::Mul, unit::Mul, ProductPartner},
    {"Div", ext::Div, unit::Div, QuotientPartner},
    {"Scale", ext::Scale, unit::Scale, ScaleExponent},
};

void PrintTo(const UnaryCase& c, std::ostream* out)
{
    *out << c.name;
}
void PrintTo(const BinaryCase& c, std::ostream* out)
{
    *out << c.name;
}

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

constexpr long kRandomCases = 500000;

class AgainstUnit : public testing::Test {
   protected:
    void SetUp() override { ASSERT_EQ(unit::ControlWord(), unit::kInitialControlWord); }

    void Check(const std::string& inputs, const Extended& got, const Extended& expected)
    {
        if (got != expected) log_.Record(inputs, mismatch::Hex(got), mismatch::Hex(expected));
    }

    mismatch::Log log_;
};

class UnaryAgainstUnit : public AgainstUnit, public testing::WithParamInterface<UnaryCase> {};
class BinaryAgainstUnit : public AgainstUnit, public testing::WithParamInterface<BinaryCase> {};

TEST_P(UnaryAgainstUnit, RandomAndSpecialOperands)
{
    Rng rng(0x50F7);
    for (long i = 0; i < kRandomCases + operands::kSpecialCount; ++i) {
        const Extended a =
            i < operands::kSpecialCount ? operands::kSpecials[i] : GetParam().draw(rng);
        Check(mismatch::Hex(a), GetParam().model(a), GetParam().reference(a));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_P(BinaryAgainstUnit, RandomOperands)
{
    Rng rng(0x50F8);
    for (long i = 0; i < kRandomCases; ++i) {
        const Extended a = AnyOrFinite(rng);
        const Extended b = GetParam().partner(a, rng);
        const std::string inputs = mismatch::Hex(a) + " " + mismatch::Hex(b);
        Check(inputs, GetParam().model(a, b), GetParam().reference(a, b));
        Check("swapped " + inputs, GetParam().model(b, a), GetParam().reference(b, a));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_P(BinaryAgainstUnit, EverySpecialPair)
{
    for (int i = 0; i < operands::kSpecialCount; ++i) {
        for (int j = 0; j < operands::kSpecialCount; ++j) {
            const Extended a = operands::kSpecials[i];
            const Extended b = operands::kSpecials[j];
            Check(mismatch::Hex(a) + " " + mismatch::Hex(b), GetParam().model(a, b),
                  GetParam().reference(a, b));
        }
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

INSTANTIATE_TEST_SUITE_P(Soft, UnaryAgainstUnit, testing::ValuesIn(kUnaryCases),
                         CaseName<UnaryCase>);
INSTANTIATE_TEST_SUITE_P(Soft, BinaryAgainstUnit, testing::ValuesIn(kBinaryCases),
                         CaseName<BinaryCase>);

// FISTP m32 near the ends of the 32-bit range, near integers, and anything.
TEST_F(AgainstUnit, StoreInt32)
{
    Rng rng(0x50F9);
    for (long i = 0; i < kRandomCases; ++i) {
        Extended a = NearIntegerOrAny(rng);
        if (i % 4 == 0) {
            const Extended edge = unit::LoadInt32(Below(rng, 2) == 0 ? INT32_MAX : INT32_MIN);
            a = unit::Add(edge, MakeExtended(WithSign(rng, 0x3FFE - Below(rng, 3)), kIntegerBit));
        }
        const std::int32_t got = ext::StoreInt32(a);
        const std::int32_t expected = unit::StoreInt32(a);
        if (got != expected)
            log_.Record(mismatch::Hex(a), std::to_string(got), std::to_string(expected));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

// FBLD of 0 to 18 random digits with either sign (no digits: a signed zero).
TEST_F(AgainstUnit, LoadPacked)
{
    Rng rng(0x50FA);
    for (long i = 0; i < kRandomCases; ++i) {
        PackedDecimal packed{};
        const std::uint32_t digits = Below(rng, 19);
        for (std::uint32_t d = 0; d < digits; ++d) {
            packed.bytes[d / 2] =
                static_cast<std::uint8_t>(packed.bytes[d / 2] | (Below(rng, 10) << (4 * (d % 2))));
        }
        packed.bytes[9] = static_cast<std::uint8_t>((rng() & 1) << 7);
        std::string digitsText;
        for (int b = 9; b >= 0; --b)
            digitsText +=
                std::to_string(packed.bytes[b] >> 4) + std::to_string(packed.bytes[b] & 15);
        Check(digitsText, ext::LoadPacked(packed), unit::LoadPacked(packed));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

// FILD m32, the exact unsigned 64-bit load (the unit's FILD m64 is signed, so
// from 2^63 up it loads v - 2^63 and adds 2^63 exactly), and FLDL2T.
TEST_F(AgainstUnit, LoadIntegersAndLog2Ten)
{
    const Extended twoTo63 = MakeExtended(0x403E, kIntegerBit);
    const std::uint64_t edges[] = {
        0, 1, 0x7FFFFFFF, 0x80000000, 0x7FFFFFFFFFFFFFFFu, kIntegerBit, ~std::uint64_t{0}};
    Rng rng(0x50FB);
    for (long i = 0; i < kRandomCases / 4; ++i) {
        const std::uint64_t v = i < 7 ? edges[i] : rng() >> Below(rng, 64);
        const std::int32_t v32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        Check(std::to_string(v32), ext::LoadInt32(v32), unit::LoadInt32(v32));
        const std::int64_t low = static_cast<std::int64_t>(v & ~kIntegerBit);
        const Extended expected = (v & kIntegerBit) != 0 ? unit::Add(unit::LoadInt64(low), twoTo63)
                                                         : unit::LoadInt64(low);
        Check(std::to_string(v), ext::LoadUint64(v), expected);
    }
    Check("FLDL2T", ext::LoadLog2Ten(), unit::LoadLog2Ten());
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

}  // namespace
