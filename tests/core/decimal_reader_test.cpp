// The reader's grammar and values, run against each arithmetic backend.
// Expected values: the nearest Extended of each decimal was computed with
// MPFR (64-bit precision, round to nearest) and is written here as its bit
// pattern; the reader's own result is that pattern moved by the stated units
// in the last place, the error its powers of ten carry.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <string>

#include "core/decimal_reader.h"
#include "core/power_of_ten.h"
#include "tests/support/extended_text.h"
#include "tests/support/grammar_cases.h"

namespace {

const Extended kUntouched = MakeExtended(0xA5A5, 0xA5A5A5A5A5A5A5A5u);

struct Reading {
    bool accepted;
    Extended value;
};

Reading Read(const std::string& text)
{
    Extended value = kUntouched;
    const std::uint32_t status = ReadDecimal(text.c_str(), &value, kReadDecimalStore);
    return Reading{status != 0, value};
}

class GrammarTest : public testing::TestWithParam<GrammarCase> {};

TEST_P(GrammarTest, AcceptsOrRefuses)
{
    const GrammarCase& c = GetParam();
    const Reading r = Read(c.text);
    if (c.verdict != Verdict::Accepted) {
        EXPECT_FALSE(r.accepted);
        EXPECT_EQ(HexOf(r.value), HexOf(kUntouched)) << "a refusal must write nothing";
        return;
    }
    EXPECT_TRUE(r.accepted);
    if (c.shape == Shape::PositiveZero) {
        EXPECT_EQ(HexOf(r.value), HexOf(kPositiveZero));
    }
    if (c.shape == Shape::Negative) {
        EXPECT_NE(r.value.bytes[9] & 0x80, 0) << HexOf(r.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, GrammarTest, testing::ValuesIn(kGrammarCases));

struct BitsCase {
    const char* text;
    Extended nearest;  // the Extended nearest to the decimal value (MPFR)
    int units;         // the reader's result, in units from `nearest`
};

// Values carry the error of their powers of ten. Integers of up to 18
// significant digits load exactly, however many leading zeros stand before
// them. Past the top of the range is infinity.
const BitsCase kBits[] = {
    {"21.5", MakeExtended(0x4003, 0xAC00000000000000u), 0},
    {"5.5", MakeExtended(0x4001, 0xB000000000000000u), 0},
    {"2.5", MakeExtended(0x4000, 0xA000000000000000u), 0},
    {"1e1", MakeExtended(0x4002, 0xA000000000000000u), 0},
    {"10e1", MakeExtended(0x4005, 0xC800000000000000u), 0},
    {"1e0", MakeExtended(0x3FFF, 0x8000000000000000u), 0},
    {"13.3", MakeExtended(0x4002, 0xD4CCCCCCCCCCCCCDu), 0},
    {"15.6", MakeExtended(0x4002, 0xF99999999999999Au), 0},
    {".5", MakeExtended(0x3FFE, 0x8000000000000000u), 2},
    {"-0.5", MakeExtended(0xBFFE, 0x8000000000000000u), 2},
    {"1.5", MakeExtended(0x3FFF, 0xC000000000000000u), 1},
    {"1e2", MakeExtended(0x4005, 0xC800000000000000u), -1},
    {"5.e2", MakeExtended(0x4007, 0xFA00000000000000u), -1},
    {"1e3", MakeExtended(0x4008, 0xFA00000000000000u), -8},
    {"1e-3", MakeExtended(0x3FF5, 0x83126E978D4FDF3Bu), 4},
    {"123456789012345678", ExtendedOfInteger(123456789012345678u), 0},
    {"999999999999999999", ExtendedOfInteger(999999999999999999u), 0},
    {"-100000000000000000", ExtendedOfInteger(100000000000000000u, true), 0},
    {"+000000000000000000000001", ExtendedOfInteger(1), 0},
    {"0000000000000000000000987654321098765432", ExtendedOfInteger(987654321098765432u), 0},
    {"1920", ExtendedOfInteger(1920), 0},
    {"  -7", ExtendedOfInteger(7, true), 0},
    {"123456789012345678.", ExtendedOfInteger(123456789012345678u), 0},
    {"12345678901234567.0000000000000000000000", ExtendedOfInteger(12345678901234567u), 0},
    {"12e4931", kPositiveInfinity, 0},
    {"99e4931", kPositiveInfinity, 0},
    {"-99e4931", kNegativeInfinity, 0},
};

void PrintTo(const BitsCase& c, std::ostream* out) { *out << Quoted(c.text); }

class BitsTest : public testing::TestWithParam<BitsCase> {};

TEST_P(BitsTest, ReadsToTheseBits)
{
    const BitsCase& c = GetParam();
    const Reading r = Read(c.text);
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(HexOf(r.value), HexOf(OffsetByUnits(c.nearest, c.units)));
}

INSTANTIATE_TEST_SUITE_P(Texts, BitsTest, testing::ValuesIn(kBits));

TEST(ReadDecimalRange, TopBinadeAndADenormal)
{
    const Reading large = Read("11e4931");
    ASSERT_TRUE(large.accepted);
    EXPECT_EQ(SignAndExponentOf(large.value), 0x7FFE) << "about 1.1e4932 is the top binade";

    const Reading tiny = Read(".000000000000000001e-4931");
    ASSERT_TRUE(tiny.accepted);
    EXPECT_EQ(SignAndExponentOf(tiny.value), 0) << "denormal";
    EXPECT_NE(SignificandOf(tiny.value), 0u);
    EXPECT_EQ(SignificandOf(tiny.value) >> 63, 0u) << "no integer bit in a denormal";
}

TEST(ReadDecimalFraction, EighteenPlacesThenOnlyZeros)
{
    const Reading eighteen = Read("0.123456789012345678");
    ASSERT_TRUE(eighteen.accepted);
    EXPECT_EQ(HexOf(Read("0.1234567890123456780000000").value), HexOf(eighteen.value));
    EXPECT_FALSE(Read("0.1234567890123456781").accepted);
    EXPECT_EQ(HexOf(Read("0.000000000000000001").value),
              HexOf(Read("1e-18").value)) << "leading fraction zeros keep their places";
}

TEST(ReadDecimalModes, HandBackReturnsTheValueWithoutTouchingTheDestination)
{
    const DecimalReading reading = ReadDecimalHandBack("21.5");
    EXPECT_NE(reading.status, 0u);
    EXPECT_EQ(HexOf(reading.value), HexOf(kBits[0].nearest));
    EXPECT_EQ(ReadDecimalHandBack("21,5").status, 0u);

    Extended destination = kUntouched;
    EXPECT_EQ(ReadDecimal("21,5", &destination, kReadDecimalStore), 0u);
    EXPECT_EQ(HexOf(destination), HexOf(kUntouched));
}

#if defined(QUORVEL_BACKEND_soft)
// No register stack to push on: hand-back mode must not report a success it
// cannot deliver (ReadDecimalHandBack is the form that works here).
TEST(ReadDecimalModes, HandBackModeFailsWithoutARegisterStack)
{
    for (const char* text : {"21.5", "21,5"}) {
        Extended destination = kUntouched;
        EXPECT_EQ(ReadDecimal(text, &destination, kReadDecimalHandBack), 0u) << text;
        EXPECT_EQ(HexOf(destination), HexOf(kUntouched)) << text;
    }
}
#endif

TEST(ReadDecimalBounds, StopsAtTheTerminatingNul)
{
    // Each text is copied into a heap block that ends at its NUL, so under
    // AddressSanitizer a read past the end is reported; everywhere, a digit
    // placed after the NUL must not change the outcome.
    const char* const texts[] = {"1e", "1.", "-", "1e+", "7", "  ", ".5e-12", "0.000"};
    for (const char* text : texts) {
        const std::size_t length = std::strlen(text);
        std::unique_ptr<char[]> exact(new char[length + 1]);
        std::memcpy(exact.get(), text, length + 1);
        std::unique_ptr<char[]> guarded(new char[length + 2]);
        std::memcpy(guarded.get(), text, length + 1);
        guarded[length + 1] = '5';

        Extended a = kUntouched;
        Extended b = kUntouched;
        EXPECT_EQ(ReadDecimal(exact.get(), &a, kReadDecimalStore), ReadDecimal(guarded.get(), &b, kReadDecimalStore)) << text;
        EXPECT_EQ(HexOf(a), HexOf(b)) << text;
    }
}

TEST(PowerOfTen, OneAndTenExactHundredOneUnitBelow)
{
    EXPECT_EQ(HexOf(PowerOfTen(0)), HexOf(MakeExtended(0x3FFF, 0x8000000000000000u)));
    EXPECT_EQ(HexOf(PowerOfTen(1)), HexOf(MakeExtended(0x4002, 0xA000000000000000u)));
    EXPECT_EQ(HexOf(PowerOfTen(2)), HexOf(MakeExtended(0x4005, 0xC7FFFFFFFFFFFFFFu)));
}

}  // namespace
