// The model's view of the extended format: the 10-byte image, and rounding
// with the unit's precision, exponent range and denormals, held against
// bit patterns of the format and against this machine's own x87.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "tests/reference/extended_mpfr.h"
#include "tests/reference/host_x87.h"

namespace reference {
namespace {

struct KnownImage {
    const char* name;
    int sign;                // of the value
    std::uint64_t mantissa;  // value = sign * mantissa * 2^exponent, or infinity
    long exponent;
    bool infinite;
    Extended image;
};

const KnownImage kKnownImages[] = {
    {"+0", 1, 0, 0, false, MakeExtended(0x0000, 0)},
    {"-0", -1, 0, 0, false, MakeExtended(0x8000, 0)},
    {"1", 1, 1, 0, false, MakeExtended(0x3FFF, 0x8000000000000000u)},
    {"-2", -1, 1, 1, false, MakeExtended(0xC000, 0x8000000000000000u)},
    {"21.5", 1, 43, -1, false, MakeExtended(0x4003, 0xAC00000000000000u)},
    {"smallest normal", 1, 1, -16382, false, MakeExtended(0x0001, 0x8000000000000000u)},
    {"largest denormal", 1, 0x7FFFFFFFFFFFFFFF, -16445, false,
     MakeExtended(0x0000, 0x7FFFFFFFFFFFFFFFu)},
    {"smallest denormal", 1, 1, -16445, false, MakeExtended(0x0000, 1)},
    {"-smallest denormal", -1, 1, -16445, false, MakeExtended(0x8000, 1)},
    {"+infinity", 1, 0, 0, true, MakeExtended(0x7FFF, 0x8000000000000000u)},
    {"-infinity", -1, 0, 0, true, MakeExtended(0xFFFF, 0x8000000000000000u)},
};

void SetKnown(mpfr_t x, const KnownImage& known)
{
    if (known.infinite) {
        mpfr_set_inf(x, known.sign);
    } else if (known.mantissa == 0) {
        mpfr_set_zero(x, known.sign);
    } else {
        // In two 32-bit halves: `long` may have only 32 bits.
        mpfr_set_ui(x, static_cast<unsigned long>(known.mantissa >> 32), MPFR_RNDN);
        mpfr_mul_2ui(x, x, 32, MPFR_RNDN);
        mpfr_add_ui(x, x, static_cast<unsigned long>(known.mantissa & 0xFFFFFFFFu), MPFR_RNDN);
        mpfr_mul_2si(x, x, known.exponent, MPFR_RNDN);
        mpfr_setsign(x, x, known.sign < 0, MPFR_RNDN);
    }
}

TEST(ExtendedImage, KnownValuesHaveTheirBitPatterns)
{
    UseExtendedRange();
    for (const KnownImage& known : kKnownImages) {
        SCOPED_TRACE(known.name);
        Real x, back;
        SetKnown(x.v, known);
        EXPECT_EQ(Describe(ImageOf(x.v)), Describe(known.image));
        SetFromImage(back.v, known.image);
        EXPECT_TRUE(mpfr_equal_p(back.v, x.v) || (mpfr_zero_p(x.v) && mpfr_zero_p(back.v)));
        EXPECT_EQ(mpfr_signbit(back.v) != 0, known.sign < 0);
    }
}

// Rounding onto the denormal grid and past the largest finite value: an
// exact value (hexadecimal, wider than 64 bits) and the image it rounds to.
struct RoundingCase {
    const char* name;
    const char* exact;
    Extended image;
};

const RoundingCase kRoundingCases[] = {
    {"half the smallest denormal ties to zero", "0x1p-16446", MakeExtended(0x0000, 0)},
    {"three quarters of it rounds up", "0x3p-16447", MakeExtended(0x0000, 1)},
    {"one and a half ties to even 2", "0x3p-16446", MakeExtended(0x0000, 2)},
    {"two and a half ties to even 2", "0x5p-16446", MakeExtended(0x0000, 2)},
    {"three and a half ties to even 4", "-0x7p-16446", MakeExtended(0x8000, 4)},
    {"largest denormal is exact", "0x1.fffffffffffffffcp-16383",
     MakeExtended(0x0000, 0x7FFFFFFFFFFFFFFFu)},
    {"a quarter step above the largest denormal rounds down to it", "0x1.fffffffffffffffdp-16383",
     MakeExtended(0x0000, 0x7FFFFFFFFFFFFFFFu)},
    {"half a step above it ties up into the smallest normal", "0x1.fffffffffffffffep-16383",
     MakeExtended(0x0001, 0x8000000000000000u)},
    {"a quarter step above the largest finite stays finite", "0x1.fffffffffffffffe8p+16383",
     MakeExtended(0x7FFE, 0xFFFFFFFFFFFFFFFFu)},
    {"half a step above the largest finite overflows", "0x1.ffffffffffffffffp+16383",
     MakeExtended(0x7FFF, 0x8000000000000000u)},
};

// MPFR's recipe for a narrower format: round at the target precision in a
// wide range, then bring the result into the range and onto its grid.
TEST(ExtendedRounding, DenormalsAndOverflowRoundLikeTheUnit)
{
    for (const RoundingCase& c : kRoundingCases) {
        SCOPED_TRACE(c.name);
        mpfr_set_emin(mpfr_get_emin_min());
        mpfr_set_emax(mpfr_get_emax_max());
        mpfr_t exact;
        mpfr_init2(exact, 256);
        ASSERT_EQ(mpfr_set_str(exact, c.exact, 0, MPFR_RNDN), 0);
        Real x;
        int inexact = mpfr_set(x.v, exact, MPFR_RNDN);
        mpfr_clear(exact);
        UseExtendedRange();
        inexact = mpfr_check_range(x.v, inexact, MPFR_RNDN);
        FinishRounding(x.v, inexact);
        EXPECT_EQ(Describe(ImageOf(x.v)), Describe(c.image));
    }
}

// Random images weighted towards the ends of the range and the denormals.
Extended RandomImage(std::mt19937_64& random)
{
    const std::uint16_t sign = (random() & 1) != 0 ? 0x8000 : 0;
    const std::uint64_t bits = random();
    switch (random() % 6) {
        case 0:
            return MakeExtended(sign, bits >> (random() % 64) >> 1);  // denormal
        case 1:
            return MakeExtended(static_cast<std::uint16_t>(sign | (1 + random() % 80)),
                                bits | 0x8000000000000000u);
        case 2:
            return MakeExtended(static_cast<std::uint16_t>(sign | (0x3FFF - 100 + random() % 200)),
                                bits | 0x8000000000000000u);
        case 3:
            return MakeExtended(static_cast<std::uint16_t>(sign | (0x7FFE - random() % 80)),
                                bits | 0x8000000000000000u);
        default:
            return MakeExtended(static_cast<std::uint16_t>(sign | (1 + random() % 0x7FFE)),
                                bits | 0x8000000000000000u);
    }
}

TEST(ExtendedImage, MatchesTheHostLongDoubleLayout)
{
    if (!HaveHostX87()) GTEST_SKIP() << "long double is not the x87 format here";
    UseExtendedRange();
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        const Extended image = RandomImage(random);
        Real x;
        mpfr_set_ld(x.v, HostValue(image), MPFR_RNDN);
        ASSERT_EQ(Describe(ImageOf(x.v)), Describe(image));
        ASSERT_EQ(Describe(HostImage(mpfr_get_ld(x.v, MPFR_RNDN))), Describe(image));
    }
}

using HostOperation = long double (*)(long double, long double);
using ModelOperation = void (*)(mpfr_t, const mpfr_t, const mpfr_t);

struct OperationCase {
    const char* name;
    HostOperation host;
    ModelOperation model;
};

void ModelSqrtOfMagnitude(mpfr_t r, const mpfr_t a, const mpfr_t)
{
    Real magnitude;
    mpfr_abs(magnitude.v, a, MPFR_RNDN);
    RoundSqrt(r, magnitude.v);
}

const OperationCase kOperations[] = {
    {"add", [](long double a, long double b) { return a + b; }, RoundAdd},
    {"sub", [](long double a, long double b) { return a - b; }, RoundSub},
    {"mul", [](long double a, long double b) { return a * b; }, RoundMul},
    {"div", [](long double a, long double b) { return a / b; }, RoundDiv},
    {"sqrt", [](long double a, long double) { return std::sqrt(std::fabs(a)); },
     ModelSqrtOfMagnitude},
};

TEST(ExtendedRounding, OperationsMatchTheHostX87)
{
    if (!HaveHostX87()) GTEST_SKIP() << "long double is not the x87 format here";
    UseExtendedRange();
    std::mt19937_64 random(12);
    int denormalResults = 0, infiniteResults = 0;
    for (const OperationCase& operation : kOperations) {
        SCOPED_TRACE(operation.name);
        for (int i = 0; i < 40000; ++i) {
            const Extended a = RandomImage(random), b = RandomImage(random);
            const Extended expected = HostImage(operation.host(HostValue(a), HostValue(b)));
            Real x, y, r;
            SetFromImage(x.v, a);
            SetFromImage(y.v, b);
            operation.model(r.v, x.v, y.v);
            const Extended got = ImageOf(r.v);
            ASSERT_EQ(Describe(got), Describe(expected)) << Describe(a) << " " << Describe(b);
            const std::uint16_t exponent = SignAndExponentOf(got) & 0x7FFF;
            denormalResults += exponent == 0 && SignificandOf(got) != 0;
            infiniteResults += exponent == 0x7FFF;
        }
    }
    // The comparison reached both ends of the range.
    EXPECT_GT(denormalResults, 1000);
    EXPECT_GT(infiniteResults, 1000);
}

}  // namespace
}  // namespace reference
