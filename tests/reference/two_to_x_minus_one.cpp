#include "tests/reference/two_to_x_minus_one.h"

#include <cstdint>
#include <cstdlib>

#include "tests/reference/extended_mpfr.h"
#include "tests/support/host_unit.h"

namespace reference {

namespace {

constexpr mpfr_prec_t kFirstWorkingPrecision = 192;
constexpr mpfr_prec_t kPrecisionStep = 64;

}  // namespace

// Ziv's loop: 2^f at p bits is within 2^-p of the truth (it is below 2), and
// subtracting 1 from it is exact at the same precision; grow p until that
// approximation decides the 64-bit rounding. 2^f is irrational for every
// non-zero f in range, so the loop ends.
void TwoToXMinusOneCorrectlyRounded(mpfr_t result, const mpfr_t f)
{
    if (mpfr_zero_p(f)) {  // 2^0 - 1 keeps the sign of the zero, as F2XM1 does
        mpfr_set(result, f, MPFR_RNDN);
        return;
    }
    for (mpfr_prec_t p = kFirstWorkingPrecision;; p += kPrecisionStep) {
        mpfr_t y;
        mpfr_init2(y, p);
        mpfr_exp2(y, f, MPFR_RNDN);
        if (mpfr_sub_ui(y, y, 1, MPFR_RNDN) != 0) std::abort();
        const mpfr_exp_t goodBits = mpfr_get_exp(y) + p;
        const bool decided =
            mpfr_can_round(y, goodBits, MPFR_RNDN, MPFR_RNDZ, kExtendedPrecision + 1) != 0;
        if (decided) mpfr_set(result, y, MPFR_RNDN);
        mpfr_clear(y);
        if (decided) return;
    }
}

bool HaveUnit()
{
    return unit::kHaveUnit;
}

Extended UnitF2xm1(const Extended& x)
{
    return unit::TwoToXMinusOne(x);
}

Extended UnitLog2Ten()
{
    return unit::LoadLog2Ten();
}

void TwoToXMinusOneFromUnit(mpfr_t result, const mpfr_t f)
{
    SetFromImage(result, UnitF2xm1(ImageOf(f)));
}

}  // namespace reference
