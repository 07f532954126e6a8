// 2^f - 1 for |f| <= 1/2, the one step of the power-of-ten method whose last
// bit the unit does not pin down: either correctly rounded, or exactly what
// this machine's own F2XM1 instruction returns.
#pragma once

#include <mpfr.h>

#include "core/extended.h"

namespace reference {

// Writes 2^f - 1 to `result` (64-bit precision); f is on the unit's grid.
using TwoToXMinusOneStep = void (*)(mpfr_t result, const mpfr_t f);

void TwoToXMinusOneCorrectlyRounded(mpfr_t result, const mpfr_t f);

// True where this build can run the unit's instructions (x86, GCC/Clang).
bool HaveUnit();
// The unit's F2XM1 at 64-bit precision, round to nearest; HaveUnit() only.
void TwoToXMinusOneFromUnit(mpfr_t result, const mpfr_t f);
// The unit's own images of F2XM1(x) and of its log2(10) constant (FLDL2T).
Extended UnitF2xm1(const Extended& x);
Extended UnitLog2Ten();

}  // namespace reference
