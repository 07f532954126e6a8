#include "tests/reference/model_power_of_ten.h"

#include "tests/reference/extended_mpfr.h"

namespace reference {

void ModelLog2Ten(mpfr_t result)
{
    UseExtendedRange();
    mpfr_t ten;
    mpfr_init2(ten, kExtendedPrecision);
    mpfr_set_ui(ten, 10, MPFR_RNDN);
    mpfr_log2(result, ten, MPFR_RNDN);
    mpfr_clear(ten);
}

void ModelPowerOfTen(mpfr_t result, std::int32_t x, TwoToXMinusOneStep twoToXMinusOne)
{
    UseExtendedRange();
    Real log2Ten, t, n, f, fractionPower, r;
    ModelLog2Ten(log2Ten.v);

    mpfr_set_si(t.v, x, MPFR_RNDN);  // exact: 32 bits
    RoundMul(t.v, t.v, log2Ten.v);
    // |t| < 2^33, so the integer needs no more than the 64 bits at hand.
    mpfr_rint(n.v, t.v, MPFR_RNDN);
    RoundSub(f.v, t.v, n.v);
    twoToXMinusOne(fractionPower.v, f.v);
    FinishRounding(r.v, mpfr_add_ui(r.v, fractionPower.v, 1, MPFR_RNDN));
    // The scaling is exact unless it leaves the range: then it overflows to
    // infinity or rounds onto the denormal grid like any other operation.
    const long scale = mpfr_get_si(n.v, MPFR_RNDN);
    FinishRounding(result, mpfr_mul_2si(result, r.v, scale, MPFR_RNDN));
}

}  // namespace reference
