// F2XM1 of the software model: correctly rounded 2^x - 1, checked against
// MPFR (mpfr_exp2m1 at 64 bits with the extended exponent range and gradual
// underflow). Also measured: how often the host unit's own F2XM1 misses the
// correctly rounded value, and whether the claimed error bound of the 128-bit
// evaluation holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"
#include "core/soft/soft_test_hooks.h"
#include "tests/soft/host_unit.h"
#include "tests/soft/mismatch.h"
#include "tests/soft/mpfr_extended.h"
#include "tests/soft/operands.h"

namespace {

using ext::soft::Uint128;

constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;

std::uint32_t Below(operands::Rng& rng, std::uint32_t n)
{
    return static_cast<std::uint32_t>(rng() % n);
}

std::uint16_t Signed(operands::Rng& rng, std::uint32_t exponent)
{
    return static_cast<std::uint16_t>(((rng() & 1) << 15) | exponent);
}

// |x| <= 1/2: spread over the binades below 1/2, tiny and denormal operands,
// operands just beside the table points k/32, and the end points.
Extended UpToHalf(operands::Rng& rng)
{
    switch (Below(rng, 8)) {
        case 0: {  // tiny, denormals included
            const std::uint32_t exponent = Below(rng, 2) == 0 ? 0 : Below(rng, 0x3FFF - 66);
            const std::uint64_t sig =
                exponent == 0 ? (rng() >> Below(rng, 64)) | 1 : rng() | kIntegerBit;
            return MakeExtended(Signed(rng, exponent), sig);
        }
        case 1: {  // k/32 give or take a few units of its last place
            const std::int32_t k = 1 + static_cast<std::int32_t>(Below(rng, 16));
            const Extended point = unit::Div(unit::LoadInt32(k), unit::LoadInt32(32));
            const std::uint32_t ulpExponent = (SignAndExponentOf(point) & 0x7FFFu) - 63;
            const Extended nudge =
                MakeExtended(Signed(rng, ulpExponent + Below(rng, 3)), rng() | kIntegerBit);
            const Extended x = unit::Add(point, nudge);
            return MakeExtended(Signed(rng, SignAndExponentOf(x) & 0x7FFFu), SignificandOf(x));
        }
        case 2:
            return MakeExtended(Signed(rng, 0x3FFE), kIntegerBit);  // +-1/2
        default:
            return MakeExtended(Signed(rng, 0x3FFD - Below(rng, 66)), rng() | kIntegerBit);
    }
}

// 1/2 < |x| <= 1, the rest of the unit's domain.
Extended AboveHalf(operands::Rng& rng)
{
    if (Below(rng, 50) == 0) return MakeExtended(Signed(rng, 0x3FFF), kIntegerBit);
    return MakeExtended(Signed(rng, 0x3FFE), (rng() | kIntegerBit) + (Below(rng, 2) == 0 ? 1 : 0));
}

bool InDomain(const Extended& x, std::uint32_t maxExponent)
{
    const std::uint32_t exponent = SignAndExponentOf(x) & 0x7FFFu;
    return exponent < maxExponent || (exponent == maxExponent && SignificandOf(x) == kIntegerBit);
}

struct Tally {
    long cases = 0;
    long unitMisses = 0;
};

// Model against MPFR on `count` operands; counts the unit's misses too.
void CheckCorrectlyRounded(Extended (*draw)(operands::Rng&), std::uint32_t maxExponent, long count,
                           unsigned seed, Tally* tally, mismatch::Log* log)
{
    operands::Rng rng(seed);
    for (long i = 0; i < count; ++i) {
        const Extended x = draw(rng);
        if (!InDomain(x, maxExponent)) continue;
        const Extended expected = mpfr_extended::TwoToXMinusOne(x);
        const Extended got = ext::TwoToXMinusOne(x);
        if (got != expected)
            log->Record(mismatch::Hex(x), mismatch::Hex(got), mismatch::Hex(expected));
        ++tally->cases;
        if (unit::TwoToXMinusOne(x) != expected) ++tally->unitMisses;
    }
}

TEST(TwoToXMinusOne, CorrectlyRoundedUpToOneHalf)
{
    Tally tally;
    mismatch::Log log;
    CheckCorrectlyRounded(UpToHalf, 0x3FFE, 300000, 0x2F1, &tally, &log);
    EXPECT_EQ(log.count, 0) << log.examples;
    std::printf("|x| <= 1/2: the unit's F2XM1 misses the correctly rounded value on %ld of %ld\n",
                tally.unitMisses, tally.cases);
    EXPECT_GT(tally.cases, 290000);
}

TEST(TwoToXMinusOne, CorrectlyRoundedAboveOneHalf)
{
    Tally tally;
    mismatch::Log log;
    CheckCorrectlyRounded(AboveHalf, 0x3FFF, 100000, 0x2F2, &tally, &log);
    EXPECT_EQ(log.count, 0) << log.examples;
    std::printf(
        "1/2 < |x| <= 1: the unit's F2XM1 misses the correctly rounded value on %ld of %ld\n",
        tally.unitMisses, tally.cases);
}

// The long series alone, which decides the operands the 128-bit evaluation
// leaves open, must be correctly rounded by itself.
TEST(TwoToXMinusOne, SeriesAloneIsCorrectlyRounded)
{
    operands::Rng rng(0x2F3);
    mismatch::Log log;
    for (long i = 0; i < 20000; ++i) {
        const Extended x = i % 2 == 0 ? UpToHalf(rng) : AboveHalf(rng);
        const Extended got = ext::soft::TwoToXMinusOneSeries(ext::soft::Unpack(x));
        const Extended expected = mpfr_extended::TwoToXMinusOne(x);
        if (got != expected)
            log.Record(mismatch::Hex(x), mismatch::Hex(got), mismatch::Hex(expected));
    }
    EXPECT_EQ(log.count, 0) << log.examples;
}

// The interval test of the fast path is only sound if the exact value lies
// within the claimed error of the 128-bit result.
TEST(TwoToXMinusOne, WideResultWithinItsErrorBound)
{
    operands::Rng rng(0x2F4);
    mpfr_t exact;
    mpfr_t x;
    mpfr_t sig;
    mpfr_t low;
    mpfr_inits2(400, exact, x, sig, low, static_cast<mpfr_ptr>(nullptr));
    double worst = 0;
    long beyond = 0;
    for (long i = 0; i < 200000; ++i) {
        const Extended operand = i % 2 == 0 ? UpToHalf(rng) : AboveHalf(rng);
        if ((SignAndExponentOf(operand) & 0x7FFF) == 0 && SignificandOf(operand) == 0) continue;
        const ext::soft::WideResult wide =
            ext::soft::TwoToXMinusOneWide(ext::soft::Unpack(operand));
        mpfr_extended::Set(x, operand);
        mpfr_exp2m1(exact, x, MPFR_RNDN);
        mpfr_abs(exact, exact, MPFR_RNDN);
        // exact in units of the wide significand: times 2^(126 - (exp - bias)).
        mpfr_mul_2si(exact, exact, 126 - (wide.exp - 16383), MPFR_RNDN);
        mpfr_set_uj_2exp(sig, wide.sig.hi, 64, MPFR_RNDN);
        mpfr_set_uj(low, wide.sig.lo, MPFR_RNDN);
        mpfr_add(sig, sig, low, MPFR_RNDN);
        mpfr_sub(exact, exact, sig, MPFR_RNDN);
        const double error = mpfr_get_d(exact, MPFR_RNDN);
        const double magnitude = error < 0 ? -error : error;
        if (magnitude > worst) worst = magnitude;
        if (magnitude > static_cast<double>(wide.error)) ++beyond;
    }
    mpfr_clears(exact, x, sig, low, static_cast<mpfr_ptr>(nullptr));
    std::printf("128-bit evaluation: worst error %.2f units, claimed bound 8\n", worst);
    EXPECT_EQ(beyond, 0);
}

// Operands outside the arithmetic domain behave as on the unit: zeros and
// +infinity come back, -infinity gives -1, NaNs are quieted, unsupported
// encodings give the indefinite, and |x| > 1 is handed back unchanged.
TEST(TwoToXMinusOne, SpecialOperandsAsTheUnit)
{
    operands::Rng rng(0x2F5);
    mismatch::Log log;
    for (long i = 0; i < 100000 + operands::kSpecialCount; ++i) {
        const Extended x =
            i < operands::kSpecialCount ? operands::kSpecials[i] : operands::Any(rng);
        const ext::soft::Class kind = ext::soft::Classify(x);
        if (kind == ext::soft::Class::kFinite && InDomain(x, 0x3FFF)) continue;
        const Extended got = ext::TwoToXMinusOne(x);
        const Extended expected = unit::TwoToXMinusOne(x);
        if (got != expected)
            log.Record(mismatch::Hex(x), mismatch::Hex(got), mismatch::Hex(expected));
    }
    EXPECT_EQ(log.count, 0) << log.examples;
}

// With the unit's F2XM1 installed the model gives the unit's last bit; with
// nullptr it is back to the correctly rounded one.
TEST(TwoToXMinusOne, TestHookSwapsTheSourceAndRestores)
{
    operands::Rng rng(0x2F6);
    long differing = 0;
    mismatch::Log log;
    for (long i = 0; i < 20000; ++i) {
        const Extended x = UpToHalf(rng);
        const Extended correct = mpfr_extended::TwoToXMinusOne(x);
        const Extended fromUnit = unit::TwoToXMinusOne(x);
        if (fromUnit == correct) continue;
        ++differing;
        ext::SetTwoToXMinusOneSource(unit::TwoToXMinusOne);
        const Extended swapped = ext::TwoToXMinusOne(x);
        ext::SetTwoToXMinusOneSource(nullptr);
        const Extended restored = ext::TwoToXMinusOne(x);
        if (swapped != fromUnit)
            log.Record("hooked " + mismatch::Hex(x), mismatch::Hex(swapped),
                       mismatch::Hex(fromUnit));
        if (restored != correct)
            log.Record("restored " + mismatch::Hex(x), mismatch::Hex(restored),
                       mismatch::Hex(correct));
    }
    ASSERT_GT(differing, 0) << "no operand where the unit's F2XM1 differs: the swap went untested";
    EXPECT_EQ(log.count, 0) << log.examples;
}

// The constants in fixed point, against MPFR at 1000 bits rounded to the
// nearest integer: value * 2^fractionBits.
bool MatchesRounded(mpfr_t value, long fractionBits, const std::uint64_t* limbs, int limbCount)
{
    mpfr_t scaled;
    mpfr_init2(scaled, 1000);
    mpfr_mul_2si(scaled, value, fractionBits, MPFR_RNDN);
    mpfr_rint(scaled, scaled, MPFR_RNDN);
    bool match = true;
    for (int i = 0; i < limbCount; ++i) {
        mpfr_t limb;
        mpfr_init2(limb, 1000);
        mpfr_div_2si(limb, scaled, 64 * i, MPFR_RNDN);
        mpfr_rint_floor(limb, limb, MPFR_RNDN);
        mpfr_div_2si(limb, limb, 64, MPFR_RNDN);
        mpfr_frac(limb, limb, MPFR_RNDN);
        mpfr_mul_2si(limb, limb, 64, MPFR_RNDN);
        if (mpfr_get_uj(limb, MPFR_RNDN) != limbs[i]) match = false;
        mpfr_clear(limb);
    }
    mpfr_clear(scaled);
    return match;
}

TEST(TwoToXMinusOneConstants, TableOfTwoToKOver32)
{
    mpfr_t value;
    mpfr_init2(value, 1000);
    for (int i = 0; i < ext::soft::kTwoToKOver32Count; ++i) {
        mpfr_set_si(value, i - 32, MPFR_RNDN);
        mpfr_div_ui(value, value, 32, MPFR_RNDN);
        mpfr_exp2(value, value, MPFR_RNDN);
        const Uint128 entry = ext::soft::kTwoToKOver32[i];
        const std::uint64_t limbs[2] = {entry.lo, entry.hi};
        EXPECT_TRUE(MatchesRounded(value, 126, limbs, 2)) << "k = " << i - 32;
    }
    mpfr_clear(value);
}

TEST(TwoToXMinusOneConstants, SeriesTerms)
{
    mpfr_t value;
    mpfr_t ln2;
    mpfr_inits2(1000, value, ln2, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_log2(ln2, MPFR_RNDN);
    mpfr_set_ui(value, 1, MPFR_RNDN);
    for (int n = 1; n <= ext::soft::kLn2PowerTermCount; ++n) {
        mpfr_mul(value, value, ln2, MPFR_RNDN);
        mpfr_div_ui(value, value, static_cast<unsigned long>(n), MPFR_RNDN);
        const Uint128 term = ext::soft::kLn2PowerTerms[n - 1];
        const std::uint64_t limbs[2] = {term.lo, term.hi};
        EXPECT_TRUE(MatchesRounded(value, 126, limbs, 2)) << "n = " << n;
    }
    EXPECT_TRUE(MatchesRounded(ln2, 318, ext::soft::kLn2Series, ext::soft::kSeriesLimbs));
    mpfr_clears(value, ln2, static_cast<mpfr_ptr>(nullptr));
}

}  // namespace
