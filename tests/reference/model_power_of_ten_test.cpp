// The power-of-ten model: its constant, its distance from the true powers,
// its agreement with the same steps run on this machine's x87, and how far
// the unit's F2XM1 moves it from the correctly rounded 2^f - 1.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <random>
#include <vector>

#include "tests/reference/extended_mpfr.h"
#include "tests/reference/host_x87.h"
#include "tests/reference/model_power_of_ten.h"
#include "tests/reference/model_reader.h"
#include "tests/reference/model_scan.h"

namespace reference {
namespace {

// log2(10) = 3.32192809488736234787..., to 64 bits: the unit's FLDL2T.
const Extended kLog2Ten = MakeExtended(0x4000, 0xD49A784BCD1B8AFEu);

TEST(ModelPowerOfTen, Log2TenIsTheUnitsConstant)
{
    Real log2Ten;
    ModelLog2Ten(log2Ten.v);
    EXPECT_EQ(Describe(ImageOf(log2Ten.v)), Describe(kLog2Ten));
    if (HaveUnit()) {
        EXPECT_EQ(Describe(UnitLog2Ten()), Describe(kLog2Ten));
    }
}

// The error comes from t = x * log2(10): the constant is within 2^-63 and the
// product within half a unit of 2^-50, so t is off by less than 2^-49.7 and
// 2^t by a relative 2^-50.2. Anything beyond 2^-49 is a broken step.
TEST(ModelPowerOfTen, IsCloseToTheTruePowerOverTheWholeRange)
{
    UseExtendedRange();
    mpfr_t truth, error;
    mpfr_init2(truth, 160);
    mpfr_init2(error, 160);
    for (std::int32_t x = -kMaxExponent; x <= kMaxExponent; ++x) {
        Real model;
        SetFromImage(model.v, PowerOfTenOf(CorrectlyRoundedModel(), x));
        mpfr_set_si(truth, x, MPFR_RNDN);
        mpfr_exp10(truth, truth, MPFR_RNDN);
        mpfr_sub(error, model.v, truth, MPFR_RNDN);
        mpfr_div(error, error, truth, MPFR_RNDN);
        mpfr_abs(error, error, MPFR_RNDN);
        ASSERT_LT(mpfr_get_d(error, MPFR_RNDU), std::ldexp(1.0, -49)) << "10^" << x;
    }
    mpfr_clear(truth);
    mpfr_clear(error);
}

TEST(ModelPowerOfTen, SmallPowersAreExactOrNear)
{
    // 10^0 is exactly 1 (t = 0, f = 0); 10^1 comes out exact as well.
    EXPECT_EQ(Describe(PowerOfTenOf(CorrectlyRoundedModel(), 0)),
              Describe(MakeExtended(0x3FFF, 0x8000000000000000u)));
    EXPECT_EQ(Describe(PowerOfTenOf(CorrectlyRoundedModel(), 1)),
              Describe(MakeExtended(0x4002, 0xA000000000000000u)));
}

// Beyond the reader's exponents the scaling leaves the range: denormals,
// zero and infinity, as FSCALE delivers them.
const std::int32_t kBeyondTheRange[] = {-100000, -5000, -4951, -4950, -4945, -4940,
                                        -4932,   4932,  4933,  5000,  100000};

TEST(ModelPowerOfTen, WithTheUnitsF2xm1MatchesTheHostX87)
{
    if (!HaveHostX87()) GTEST_SKIP() << "no x87 long double here";
    for (std::int32_t x = -kMaxExponent; x <= kMaxExponent; ++x) {
        ASSERT_EQ(Describe(PowerOfTenOf(UnitModel(), x)), Describe(HostImage(HostPowerOfTen(x))))
            << "10^" << x;
    }
    for (std::int32_t x : kBeyondTheRange) {
        Real model;
        ModelPowerOfTen(model.v, x, TwoToXMinusOneFromUnit);
        EXPECT_EQ(Describe(ImageOf(model.v)), Describe(HostImage(HostPowerOfTen(x)))) << "10^" << x;
    }
}

// The f values the 9,863 powers feed to 2^f - 1, caught on their way.
std::vector<Extended>* g_recordedF = nullptr;

void RecordingStep(mpfr_t result, const mpfr_t f)
{
    g_recordedF->push_back(ImageOf(f));
    TwoToXMinusOneCorrectlyRounded(result, f);
}

TEST(ModelPowerOfTen, UnitsF2xm1IsWithinOneUnitOfCorrectRounding)
{
    if (!HaveUnit()) GTEST_SKIP() << "no x87 unit here";
    std::vector<Extended> recorded;
    g_recordedF = &recorded;
    MakeReaderModel(RecordingStep);
    g_recordedF = nullptr;
    ASSERT_EQ(recorded.size(), 2u * kMaxExponent + 1);

    int differentF2xm1 = 0;
    for (const Extended& f : recorded) {
        Real x, correct;
        SetFromImage(x.v, f);
        TwoToXMinusOneCorrectlyRounded(correct.v, x.v);
        const Extended unit = UnitF2xm1(f);
        if (unit == ImageOf(correct.v)) continue;
        ++differentF2xm1;
        if (mpfr_zero_p(x.v)) continue;
        EXPECT_EQ(std::labs(UnitsApart(ImageOf(correct.v), unit, 1)), 1) << Describe(f);
    }

    int differentPowers = 0;
    for (std::int32_t x = -kMaxExponent; x <= kMaxExponent; ++x) {
        const Extended& correct = PowerOfTenOf(CorrectlyRoundedModel(), x);
        const Extended& unit = PowerOfTenOf(UnitModel(), x);
        if (correct == unit) continue;
        ++differentPowers;
        EXPECT_EQ(std::labs(UnitsApart(correct, unit, 1)), 1) << "10^" << x;
    }
    std::cout << "[ model    ] of " << recorded.size() << " powers 10^-4931..10^4931, "
              << differentF2xm1 << " have the unit's F2XM1 differ from the correctly rounded "
              << "2^f - 1, and " << differentPowers << " powers differ as a result\n";
    RecordProperty("DifferentF2xm1", differentF2xm1);
    RecordProperty("DifferentPowers", differentPowers);
}

TEST(TwoToXMinusOne, UnitAndCorrectRoundingStayWithinOneUnitOnRandomF)
{
    if (!HaveUnit()) GTEST_SKIP() << "no x87 unit here";
    UseExtendedRange();
    std::mt19937_64 random(21);
    std::uniform_real_distribution<double> half(-0.5, 0.5);
    int different = 0;
    for (int i = 0; i < 50000; ++i) {
        Real f, correct;
        // A 64-bit f: a random double refined with random low bits.
        mpfr_set_d(f.v, half(random), MPFR_RNDN);
        if (mpfr_zero_p(f.v)) continue;
        Real low;
        mpfr_set_ui_2exp(low.v, random() & 0x7FF, mpfr_get_exp(f.v) - 64, MPFR_RNDN);
        mpfr_add(f.v, f.v, low.v, MPFR_RNDN);
        TwoToXMinusOneCorrectlyRounded(correct.v, f.v);
        const Extended unit = UnitF2xm1(ImageOf(f.v));
        if (unit == ImageOf(correct.v)) continue;
        ++different;
        ASSERT_EQ(std::labs(UnitsApart(ImageOf(correct.v), unit, 1)), 1)
            << "f = " << Describe(ImageOf(f.v));
    }
    std::cout << "[ model    ] F2XM1 differs from the correctly rounded value on " << different
              << " of 50000 random f\n";
}

}  // namespace
}  // namespace reference
