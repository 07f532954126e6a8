#include "tests/soft/mpfr_extended.h"

#include <cstdint>

namespace mpfr_extended {
namespace {

constexpr long kBias = 16383;

// value (64 bits, within the extended range after subnormalizing) as 10 bytes.
Extended Get(const mpfr_t value)
{
    const bool sign = mpfr_signbit(value) != 0;
    const std::uint16_t signBit = sign ? 0x8000 : 0;
    if (mpfr_zero_p(value)) return MakeExtended(signBit, 0);
    if (mpfr_inf_p(value)) return MakeExtended(signBit | 0x7FFF, 0x8000000000000000u);
    // value = 0.1xxx * 2^e, so the biased exponent of 1.xxx is e - 1 + bias.
    const long biased = mpfr_get_exp(value) - 1 + kBias;
    mpfr_t scaled;
    mpfr_init2(scaled, 64);
    mpfr_abs(scaled, value, MPFR_RNDN);
    // A normal gets 64 significant bits; a denormal its bits above 2^(1 - bias - 63).
    mpfr_mul_2si(scaled, scaled, biased >= 1 ? 64 - mpfr_get_exp(value) : kBias + 62, MPFR_RNDN);
    const std::uint64_t sig = mpfr_get_uj(scaled, MPFR_RNDN);
    mpfr_clear(scaled);
    return MakeExtended(static_cast<std::uint16_t>(signBit | (biased >= 1 ? biased : 0)), sig);
}

}  // namespace

void Set(mpfr_t value, const Extended& x)
{
    const std::uint16_t signAndExponent = SignAndExponentOf(x);
    const long exponent = signAndExponent & 0x7FFF;
    mpfr_set_uj_2exp(value, SignificandOf(x), (exponent == 0 ? 1 : exponent) - kBias - 63,
                     MPFR_RNDN);
    if (signAndExponent & 0x8000) mpfr_neg(value, value, MPFR_RNDN);
}

Extended TwoToXMinusOne(const Extended& x)
{
    const mpfr_exp_t savedMin = mpfr_get_emin();
    const mpfr_exp_t savedMax = mpfr_get_emax();
    mpfr_t in;
    mpfr_t out;
    mpfr_init2(in, 64);
    mpfr_init2(out, 64);
    Set(in, x);
    // The smallest denormal 2^-16445 is 0.1 * 2^-16444; the largest finite is below 2^16384.
    mpfr_set_emin(-16444);
    mpfr_set_emax(16384);
    const int inexact = mpfr_exp2m1(out, in, MPFR_RNDN);
    mpfr_subnormalize(out, mpfr_check_range(out, inexact, MPFR_RNDN), MPFR_RNDN);
    const Extended result = Get(out);
    mpfr_set_emin(savedMin);
    mpfr_set_emax(savedMax);
    mpfr_clear(in);
    mpfr_clear(out);
    return result;
}

}  // namespace mpfr_extended
