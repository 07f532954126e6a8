// Extended values in and out of MPFR, and 2^x - 1 correctly rounded to the
// extended format by MPFR: 64-bit precision with the extended exponent range
// and gradual underflow (mpfr_subnormalize).
#pragma once

// <cstdint> first: mpfr.h declares its intmax_t functions only after it.
#include <cstdint>

#include <mpfr.h>

#include "core/extended.h"

namespace mpfr_extended {

// x finite; value needs a precision of at least 64 bits.
void Set(mpfr_t value, const Extended& x);

// 2^x - 1 for finite x, correctly rounded to nearest even.
Extended TwoToXMinusOne(const Extended& x);

}  // namespace mpfr_extended
