// F2XM1 of the software model is 2^x - 1 correctly rounded: checked against
// MPFR (mpfr_exp2m1 at 64 bits, with the extended exponent range and gradual
// underflow). Also measured: how often the host unit's own F2XM1 misses the
// correctly rounded value, and whether the 128-bit evaluation stays within
// the error bound its rounding test relies on.
#include <gtest/gtest.h>

// <cstdint> first: mpfr.h declares its intmax_t functions only after it.
#include <cstdint>
#include <cstdio>

#include <mpfr.h>

#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"
#include "core/soft/soft_test_hooks.h"
#include "tests/reference/extended_mpfr.h"
#include "tests/support/host_unit.h"
#include "tests/soft/mismatch.h"
#include "tests/soft/operands.h"

namespace {

using operands::Below;
using operands::Rng;
using operands::WithSign;

constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;
constexpr long kBias = 16383;

// 2^x - 1 for finite x by MPFR, rounded once onto the unit's grid, denormals
// included (tests/reference/extended_mpfr.h).
Extended Reference(const Extended& x)
{
    reference::UseExtendedRange();
    reference::Real in;
    reference::Real out;
    reference::SetFromImage(in.v, x);
    reference::FinishRounding(out.v, mpfr_exp2m1(out.v, in.v, MPFR_RNDN));
    return reference::ImageOf(out.v);
}

// |x| <= 1/2: tiny and denormal operands, operands beside the multiples of
// 1/512 (the table points k/256 and the midpoints where k changes), +-1/2,
// and the binades below 1/2.
Extended UpToHalf(Rng& rng)
{
    switch (Below(rng, 8)) {
        case 0: {
            const std::uint32_t exponent = Below(rng, 2) == 0 ? 0 : Below(rng, 0x3FFF - 66);
            return MakeExtended(WithSign(rng, exponent), exponent == 0
                                                             ? (rng() >> Below(rng, 64)) | 1
                                                             : rng() | kIntegerBit);
        }
        case 1: {
            const Extended point =
                unit::Div(unit::LoadInt32(1 + static_cast<std::int32_t>(Below(rng, 256))),
                          unit::LoadInt32(512));
            const std::uint32_t lastPlace = (SignAndExponentOf(point) & 0x7FFFu) - 63;
            const Extended x = unit::Add(
                point, MakeExtended(WithSign(rng, lastPlace + Below(rng, 3)), rng() | kIntegerBit));
            return MakeExtended(WithSign(rng, SignAndExponentOf(x) & 0x7FFFu), SignificandOf(x));
        }
        case 2:
            return MakeExtended(WithSign(rng, 0x3FFE), kIntegerBit);
        default:
            return MakeExtended(WithSign(rng, 0x3FFD - Below(rng, 66)), rng() | kIntegerBit);
    }
}

// 1/2 < |x| <= 1, the rest of the unit's domain.
Extended AboveHalf(Rng& rng)
{
    if (Below(rng, 50) == 0) return MakeExtended(WithSign(rng, 0x3FFF), kIntegerBit);
    return MakeExtended(WithSign(rng, 0x3FFE), (rng() | kIntegerBit) + 1);
}

struct Domain {
    const char* name;
    Extended (*draw)(Rng&);
    long count;
};

const Domain kDomains[] = {{"UpToOneHalf", UpToHalf, 300000}, {"AboveOneHalf", AboveHalf, 100000}};

void PrintTo(const Domain& d, std::ostream* out)
{
    *out << d.name;
}

std::string DomainName(const testing::TestParamInfo<Domain>& info)
{
    return info.param.name;
}

class TwoToXMinusOneIn : public testing::TestWithParam<Domain> {};

TEST_P(TwoToXMinusOneIn, CorrectlyRoundedWhereTheUnitMisses)
{
    Rng rng(0x2F1);
    mismatch::Log log;
    long unitMisses = 0;
    for (long i = 0; i < GetParam().count; ++i) {
        const Extended x = GetParam().draw(rng);
        const Extended expected = Reference(x);
        const Extended got = ext::TwoToXMinusOne(x);
        if (got != expected)
            log.Record(mismatch::Hex(x), mismatch::Hex(got), mismatch::Hex(expected));
        if (unit::TwoToXMinusOne(x) != expected) ++unitMisses;
    }
    EXPECT_EQ(log.count, 0) << log.examples;
    std::printf("%s: the unit's F2XM1 misses the correctly rounded value on %ld of %ld operands\n",
                GetParam().name, unitMisses, GetParam().count);
}

// The 320-bit series that settles what the 128-bit evaluation leaves open
// must be correctly rounded by itself.
TEST_P(TwoToXMinusOneIn, SeriesAloneCorrectlyRounded)
{
    Rng rng(0x2F2);
    mismatch::Log log;
    for (long i = 0; i < GetParam().count / 20; ++i) {
        const Extended x = GetParam().draw(rng);
        if (SignificandOf(x) == 0) continue;
        const Extended got = ext::soft::TwoToXMinusOneSeries(ext::soft::Unpack(x));
        if (got != Reference(x))
            log.Record(mismatch::Hex(x), mismatch::Hex(got), mismatch::Hex(Reference(x)));
    }
    EXPECT_EQ(log.count, 0) << log.examples;
}

// The rounding test of the fast path is sound only if the exact value lies
// within the claimed error of the 128-bit result.
TEST_P(TwoToXMinusOneIn, WideResultWithinItsErrorBound)
{
    Rng rng(0x2F3);
    mpfr_t exact;
    mpfr_t x;
    mpfr_t part;
    // MPFR's whole range: the exact value of a denormal's 2^x - 1 is below the unit's.
    mpfr_set_emin(mpfr_get_emin_min());
    mpfr_set_emax(mpfr_get_emax_max());
    mpfr_inits2(400, exact, x, part, static_cast<mpfr_ptr>(nullptr));
    double worst = 0;
    long beyond = 0;
    std::uint64_t bound = 0;
    for (long i = 0; i < GetParam().count / 2; ++i) {
        const Extended operand = GetParam().draw(rng);
        if (SignificandOf(operand) == 0) continue;
        const ext::soft::WideResult wide =
            ext::soft::TwoToXMinusOneWide(ext::soft::Unpack(operand));
        reference::SetFromImage(x, operand);
        mpfr_exp2m1(exact, x, MPFR_RNDN);
        mpfr_abs(exact, exact, MPFR_RNDN);
        mpfr_mul_2si(exact, exact, 126 - (wide.exp - kBias), MPFR_RNDN);  // in units of wide.sig
        mpfr_set_uj_2exp(part, wide.sig.hi, 64, MPFR_RNDN);
        mpfr_sub(exact, exact, part, MPFR_RNDN);
        mpfr_set_uj(part, wide.sig.lo, MPFR_RNDN);
        mpfr_sub(exact, exact, part, MPFR_RNDN);
        const double error = mpfr_get_d(exact, MPFR_RNDN);
        const double magnitude = error < 0 ? -error : error;
        if (magnitude > worst) worst = magnitude;
        if (magnitude > static_cast<double>(wide.error)) ++beyond;
        if (wide.error > bound) bound = wide.error;
    }
    mpfr_clears(exact, x, part, static_cast<mpfr_ptr>(nullptr));
    std::printf("%s: 128-bit evaluation off by at most %.2f units (bound %llu)\n", GetParam().name,
                worst, static_cast<unsigned long long>(bound));
    EXPECT_EQ(beyond, 0);
}

INSTANTIATE_TEST_SUITE_P(Soft, TwoToXMinusOneIn, testing::ValuesIn(kDomains), DomainName);

// Outside the arithmetic domain the model behaves as the unit: zeros and
// +infinity come back, -infinity gives -1, NaNs are quieted, unsupported
// encodings give the indefinite, and |x| > 1 comes back unchanged.
TEST(TwoToXMinusOne, SpecialOperandsAsTheUnit)
{
    Rng rng(0x2F4);
    mismatch::Log log;
    for (long i = 0; i < 100000 + operands::kSpecialCount; ++i) {
        const Extended x =
            i < operands::kSpecialCount ? operands::kSpecials[i] : operands::Any(rng);
        const ext::soft::Class kind = ext::soft::Classify(x);
        const bool inDomain =
            (SignAndExponentOf(x) & 0x7FFF) < 0x3FFF ||
            ((SignAndExponentOf(x) & 0x7FFF) == 0x3FFF && SignificandOf(x) == kIntegerBit);
        if (kind == ext::soft::Class::kFinite && inDomain) continue;
        const Extended got = ext::TwoToXMinusOne(x);
        if (got != unit::TwoToXMinusOne(x))
            log.Record(mismatch::Hex(x), mismatch::Hex(got),
                       mismatch::Hex(unit::TwoToXMinusOne(x)));
    }
    EXPECT_EQ(log.count, 0) << log.examples;
}

// On operands where the unit misses: its F2XM1 installed, the model gives the
// unit's value; nullptr brings back the correctly rounded one.
TEST(TwoToXMinusOne, TestHookSwapsTheSourceAndRestores)
{
    Rng rng(0x2F5);
    long differing = 0;
    mismatch::Log log;
    for (long i = 0; i < 20000; ++i) {
        const Extended x = UpToHalf(rng);
        const Extended correct = Reference(x);
        const Extended fromUnit = unit::TwoToXMinusOne(x);
        if (fromUnit == correct) continue;
        ++differing;
        ext::SetTwoToXMinusOneSource(unit::TwoToXMinusOne);
        const Extended swapped = ext::TwoToXMinusOne(x);
        ext::SetTwoToXMinusOneSource(nullptr);
        if (swapped != fromUnit)
            log.Record("swapped " + mismatch::Hex(x), mismatch::Hex(swapped),
                       mismatch::Hex(fromUnit));
        const Extended restored = ext::TwoToXMinusOne(x);
        if (restored != correct)
            log.Record("restored " + mismatch::Hex(x), mismatch::Hex(restored),
                       mismatch::Hex(correct));
    }
    ASSERT_GT(differing, 0) << "no operand on which the unit misses: the swap went untested";
    EXPECT_EQ(log.count, 0) << log.examples;
}

// The tables, against MPFR at 1000 bits: value * 2^fractionBits rounded to
// the nearest integer, compared limb by limb (least significant first).
bool MatchesRounded(const mpfr_t value, long fractionBits, const std::uint64_t* limbs,
                    int limbCount)
{
    mpfr_t scaled;
    mpfr_t limb;
    mpfr_inits2(1000, scaled, limb, static_cast<mpfr_ptr>(nullptr));
    mpfr_mul_2si(scaled, value, fractionBits, MPFR_RNDN);
    mpfr_rint(scaled, scaled, MPFR_RNDN);
    bool match = true;
    for (int i = 0; i < limbCount; ++i) {
        // floor(scaled / 2^(64 i)) mod 2^64: the fraction of scaled / 2^(64 i + 64), times 2^64,
        // truncated.
        mpfr_div_2si(limb, scaled, 64 * i + 64, MPFR_RNDN);
        mpfr_frac(limb, limb, MPFR_RNDN);
        mpfr_mul_2si(limb, limb, 64, MPFR_RNDN);
        if (mpfr_get_uj(limb, MPFR_RNDZ) != limbs[i]) match = false;
    }
    mpfr_clears(scaled, limb, static_cast<mpfr_ptr>(nullptr));
    return match;
}

TEST(TwoToXMinusOne, ConstantTables)
{
    mpfr_t value;
    mpfr_t ln2;
    mpfr_inits2(1000, value, ln2, static_cast<mpfr_ptr>(nullptr));
    for (int k = 0; k < ext::soft::kTwoToKOver256Count; ++k) {
        mpfr_set_si(value, k, MPFR_RNDN);
        mpfr_div_ui(value, value, 256, MPFR_RNDN);
        mpfr_exp2(value, value, MPFR_RNDN);
        const std::uint64_t limbs[2] = {ext::soft::kTwoToKOver256[k].lo,
                                        ext::soft::kTwoToKOver256[k].hi};
        EXPECT_TRUE(MatchesRounded(value, 126, limbs, 2)) << "2^(k/256), k = " << k;
    }
    mpfr_const_log2(ln2, MPFR_RNDN);
    mpfr_set_ui(value, 1, MPFR_RNDN);
    const int terms = ext::soft::kLn2PowerTermCount + ext::soft::kLn2PowerTailCount;
    for (int n = 1; n <= terms; ++n) {
        mpfr_mul(value, value, ln2, MPFR_RNDN);
        mpfr_div_ui(value, value, static_cast<unsigned long>(n), MPFR_RNDN);
        if (n <= ext::soft::kLn2PowerTermCount) {
            const std::uint64_t limbs[2] = {ext::soft::kLn2PowerTerms[n - 1].lo,
                                            ext::soft::kLn2PowerTerms[n - 1].hi};
            EXPECT_TRUE(MatchesRounded(value, 128, limbs, 2)) << "ln(2)^n / n!, n = " << n;
        } else {
            const std::uint64_t* limb =
                &ext::soft::kLn2PowerTail[n - 1 - ext::soft::kLn2PowerTermCount];
            EXPECT_TRUE(MatchesRounded(value, 79, limb, 1)) << "ln(2)^n / n!, n = " << n;
        }
    }
    EXPECT_TRUE(MatchesRounded(ln2, 318, ext::soft::kLn2Series, ext::soft::kSeriesLimbs))
        << "ln(2)";
    mpfr_clears(value, ln2, static_cast<mpfr_ptr>(nullptr));
}

}  // namespace
