// The x87 extended format seen from MPFR: 64-bit precision, the unit's
// exponent range with its denormals, and the 10-byte image the unit stores.
// Every model operation goes through the Round* helpers so that it rounds
// exactly once, to nearest even, onto the unit's grid.
#pragma once

#include <cstdint>
#include <string>

#include <gmp.h>
#include <mpfr.h>

#include "core/extended.h"

namespace reference {

constexpr mpfr_prec_t kExtendedPrecision = 64;

// MPFR writes a number as m * 2^e with m in [0.5, 1). The largest finite
// extended, (1 - 2^-64) * 2^16384, has e = 16384; the smallest denormal,
// 2^-16445 = 0.5 * 2^-16444, has e = -16444. With this range, an operation
// followed by mpfr_subnormalize rounds as the unit does with underflow masked.
constexpr mpfr_exp_t kExtendedEmin = -16444;
constexpr mpfr_exp_t kExtendedEmax = 16384;

// Sets the range above for the calling thread; idempotent.
void UseExtendedRange();

// One MPFR number at the unit's precision, released with its scope.
struct Real {
    mpfr_t v;
    Real() { mpfr_init2(v, kExtendedPrecision); }
    ~Real() { mpfr_clear(v); }
    Real(const Real&) = delete;
    Real& operator=(const Real&) = delete;
};

// Finishes one MPFR operation that returned `inexact`: denormal results
// lose the bits the unit has no room for.
void FinishRounding(mpfr_t x, int inexact);

// The unit's arithmetic, one rounding each.
void RoundAdd(mpfr_t r, const mpfr_t a, const mpfr_t b);
void RoundSub(mpfr_t r, const mpfr_t a, const mpfr_t b);
void RoundMul(mpfr_t r, const mpfr_t a, const mpfr_t b);
void RoundDiv(mpfr_t r, const mpfr_t a, const mpfr_t b);
void RoundSqrt(mpfr_t r, const mpfr_t a);

// x must lie on the unit's grid (as the Round* helpers leave it); a NaN
// gives the unit's indefinite.
Extended ImageOf(const mpfr_t x);
// Exact; unnormal encodings are read by their value.
void SetFromImage(mpfr_t x, const Extended& image);

// Steps of one unit in the last place from a to b (negative when b is below
// a), for normal values of one sign; `limit` + 1 in magnitude when farther.
long UnitsApart(const Extended& a, const Extended& b, long limit);

// "0x3FFF:8000000000000000", for failure messages.
std::string Describe(const Extended& image);

}  // namespace reference
