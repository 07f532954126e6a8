#include "tests/reference/extended_mpfr.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace reference {

namespace {

constexpr int kSignificandBits = 64;
// Value of the lowest significand bit of a denormal: 2^-16445.
constexpr long kDenormalUnitExponent = 1 - kExtendedBias - (kSignificandBits - 1);
constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;
constexpr std::uint16_t kSignBit = 0x8000;
const Extended kIndefinite = MakeExtended(0xFFFF, 0xC000000000000000u);

std::uint64_t LowWord(const mpz_t z)
{
    std::uint64_t word = 0;
    std::size_t count = 0;
    mpz_export(&word, &count, -1, sizeof word, 0, 0, z);
    if (count > 1) std::abort();  // more than 64 bits: not on the grid
    return word;
}

}  // namespace

void UseExtendedRange()
{
    mpfr_set_emin(kExtendedEmin);
    mpfr_set_emax(kExtendedEmax);
}

void FinishRounding(mpfr_t x, int inexact)
{
    mpfr_subnormalize(x, inexact, MPFR_RNDN);
}

void RoundAdd(mpfr_t r, const mpfr_t a, const mpfr_t b)
{
    FinishRounding(r, mpfr_add(r, a, b, MPFR_RNDN));
}

void RoundSub(mpfr_t r, const mpfr_t a, const mpfr_t b)
{
    FinishRounding(r, mpfr_sub(r, a, b, MPFR_RNDN));
}

void RoundMul(mpfr_t r, const mpfr_t a, const mpfr_t b)
{
    FinishRounding(r, mpfr_mul(r, a, b, MPFR_RNDN));
}

void RoundDiv(mpfr_t r, const mpfr_t a, const mpfr_t b)
{
    FinishRounding(r, mpfr_div(r, a, b, MPFR_RNDN));
}

void RoundSqrt(mpfr_t r, const mpfr_t a)
{
    FinishRounding(r, mpfr_sqrt(r, a, MPFR_RNDN));
}

Extended ImageOf(const mpfr_t x)
{
    if (mpfr_nan_p(x)) return kIndefinite;
    const std::uint16_t sign = mpfr_signbit(x) ? kSignBit : std::uint16_t{0};
    if (mpfr_zero_p(x)) return MakeExtended(sign, 0);
    if (mpfr_inf_p(x)) return MakeExtended(sign | kExtendedMaxExponent, kIntegerBit);

    // x = m * 2^e with m a 64-bit integer whose top bit is set.
    mpz_t m;
    mpz_init(m);
    const long e = mpfr_get_z_2exp(m, x);
    mpz_abs(m, m);
    const std::uint64_t significand = LowWord(m);
    mpz_clear(m);

    const long biased = e + (kSignificandBits - 1) + kExtendedBias;
    if (biased >= kExtendedMaxExponent) std::abort();  // beyond the range set above
    if (biased >= 1) return MakeExtended(static_cast<std::uint16_t>(sign | biased), significand);

    const long shift = kDenormalUnitExponent - e;  // at least 1 here
    if (shift >= kSignificandBits) std::abort();
    const std::uint64_t dropped = significand & ((std::uint64_t{1} << shift) - 1);
    if (dropped != 0) std::abort();  // not rounded to the denormal grid
    return MakeExtended(sign, significand >> shift);
}

void SetFromImage(mpfr_t x, const Extended& image)
{
    const std::uint16_t signAndExponent = SignAndExponentOf(image);
    const bool negative = (signAndExponent & kSignBit) != 0;
    const long exponent = signAndExponent & kExtendedMaxExponent;
    const std::uint64_t significand = SignificandOf(image);

    if (exponent == kExtendedMaxExponent) {
        if ((significand << 1) == 0)
            mpfr_set_inf(x, negative ? -1 : 1);
        else
            mpfr_set_nan(x);
        return;
    }
    if (significand == 0) {
        mpfr_set_zero(x, negative ? -1 : 1);
        return;
    }
    mpz_t m;
    mpz_init(m);
    mpz_import(m, 1, -1, sizeof significand, 0, 0, &significand);
    if (negative) mpz_neg(m, m);
    const long scale =
        exponent == 0 ? kDenormalUnitExponent : exponent - kExtendedBias - (kSignificandBits - 1);
    if (mpfr_set_z_2exp(x, m, scale, MPFR_RNDN) != 0) std::abort();  // 64 bits always fit
    mpz_clear(m);
}

long UnitsApart(const Extended& a, const Extended& b, long limit)
{
    Real from, to;
    SetFromImage(from.v, a);
    SetFromImage(to.v, b);
    const bool up = mpfr_less_p(from.v, to.v) != 0;
    long steps = 0;
    while (!mpfr_equal_p(from.v, to.v) && steps <= limit) {
        if (up)
            mpfr_nextabove(from.v);
        else
            mpfr_nextbelow(from.v);
        ++steps;
    }
    return up ? steps : -steps;
}

std::string Describe(const Extended& image)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%04X:%016" PRIX64, SignAndExponentOf(image),
                  SignificandOf(image));
    return text;
}

}  // namespace reference
