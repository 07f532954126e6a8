// The reader model's values: the distances from the nearest extended that
// follow from the method with every step correctly rounded, exact integers,
// zeros, infinities and denormals, and the same steps on the host's x87.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/reference/extended_mpfr.h"
#include "tests/reference/host_x87.h"
#include "tests/reference/input_generator.h"
#include "tests/reference/model_reader.h"
#include "tests/reference/model_scan.h"

namespace reference {
namespace {

// Units in the last place from the extended nearest to the decimal value,
// upward positive; all steps correctly rounded.
struct UlpCase {
    std::string text;
    long units;
};

const UlpCase kUlpCases[] = {
    {"21.5", 0}, {"5.5", 0},  {"2.5", 0},   {"1e1", 0},  {"10e1", 0},
    {"1e0", 0},  {"13.3", 0}, {"15.6", 0},  {".5", 2},   {"-0.5", -2},
    {"1.5", 1},  {"1e2", -1}, {"5.e2", -1}, {"1e3", -8}, {"1e-3", 4},
};

Extended NearestExtended(const std::string& text)
{
    UseExtendedRange();
    Real nearest;
    FinishRounding(nearest.v, mpfr_set_str(nearest.v, text.c_str(), 10, MPFR_RNDN));
    return ImageOf(nearest.v);
}

TEST(ModelReader, KnownDistancesFromTheNearestExtended)
{
    for (const UlpCase& c : kUlpCases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const ModelReading reading = ModelReadDecimal(CorrectlyRoundedModel(), c.text.c_str());
        ASSERT_TRUE(reading.accepted);
        const Extended nearest = NearestExtended(c.text);
        EXPECT_EQ(UnitsApart(nearest, reading.value, 20), c.units)
            << Describe(nearest) << " -> " << Describe(reading.value);
    }
}

// Values whose bit pattern follows from the text alone.
struct ImageCase {
    std::string text;
    Extended image;
};

const Extended kPositiveZero = MakeExtended(0x0000, 0);
const Extended kPositiveInfinity = MakeExtended(0x7FFF, 0x8000000000000000u);
const Extended kNegativeInfinity = MakeExtended(0xFFFF, 0x8000000000000000u);

const ImageCase kImageCases[] = {
    {"0", kPositiveZero},
    {"00", kPositiveZero},
    {"+0", kPositiveZero},
    {"-0", kPositiveZero},
    {"0.0", kPositiveZero},
    {"0.", kPositiveZero},
    {"-0.0", kPositiveZero},
    {".e5", kPositiveZero},
    {"-.e1", kPositiveZero},
    {"0.e5", kPositiveZero},
    {"0.0e5", kPositiveZero},
    {"-0.000e-4931", kPositiveZero},
    {"12e4931", kPositiveInfinity},
    {"99e4931", kPositiveInfinity},
    {"-99e4931", kNegativeInfinity},
    {"7", MakeExtended(0x4001, 0xE000000000000000u)},
    {"  -7", MakeExtended(0xC001, 0xE000000000000000u)},
    {"0000000000000000000001", MakeExtended(0x3FFF, 0x8000000000000000u)},
    {"999999999999999999", MakeExtended(0x403A, 0xDE0B6B3A763FFFF0u)},
    {"-123456789012345678", MakeExtended(0xC037, 0xDB4DA5D31879A700u)},
};

TEST(ModelReader, ZerosInfinitiesAndExactIntegers)
{
    for (const ImageCase& c : kImageCases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        const ModelReading reading = ModelReadDecimal(CorrectlyRoundedModel(), c.text.c_str());
        ASSERT_TRUE(reading.accepted);
        EXPECT_EQ(Describe(reading.value), Describe(c.image));
    }
}

TEST(ModelReader, EdgeMagnitudes)
{
    const ReaderModel& model = CorrectlyRoundedModel();
    const Extended big = ModelReadDecimal(model, "11e4931").value;  // about 1.1e4932
    EXPECT_EQ(SignAndExponentOf(big), 0x7FFE);
    const Extended tiny = ModelReadDecimal(model, ".000000000000000001e-4931").value;
    EXPECT_EQ(SignAndExponentOf(tiny), 0x0000);  // a denormal
    EXPECT_NE(SignificandOf(tiny), 0u);
    const Extended negativeHalf = ModelReadDecimal(model, "-0.5").value;
    EXPECT_EQ(SignAndExponentOf(negativeHalf), 0xBFFE);  // the sign reaches the fraction
}

TEST(ModelReader, EighteenDigitIntegersAreExact)
{
    const ReaderModel& model = CorrectlyRoundedModel();
    std::mt19937_64 random(31);
    for (int i = 0; i < 5000; ++i) {
        std::string text = std::to_string(100000000000000000u + random() % 900000000000000000u);
        if (i % 2 == 1) text = "-000" + text;
        const ModelReading reading = ModelReadDecimal(model, text.c_str());
        ASSERT_TRUE(reading.accepted) << text;
        ASSERT_EQ(Describe(reading.value), Describe(NearestExtended(text))) << text;
    }
}

// The whole reader model, with the unit's F2XM1, against the same sequence
// of operations run in the host's long double.
TEST(ModelReader, WithTheUnitsF2xm1MatchesTheHostX87OnGeneratedTexts)
{
    if (!HaveHostX87()) GTEST_SKIP() << "no x87 long double here";
    int accepted = 0;
    for (const std::string& text : GenerateDecimalTexts(0x51756F7276656C01u, 120000)) {
        const DecimalScan scan = ScanDecimal(text.c_str());
        const ModelReading reading = ModelReadDecimal(UnitModel(), text.c_str());
        ASSERT_EQ(reading.accepted, scan.outcome == ScanOutcome::Accepted) << text;
        if (!reading.accepted) continue;
        ++accepted;
        ASSERT_EQ(Describe(reading.value), Describe(HostImage(HostReadDecimal(scan))))
            << "text \"" << text << "\"";
    }
    EXPECT_GT(accepted, 40000);
}

}  // namespace
}  // namespace reference
