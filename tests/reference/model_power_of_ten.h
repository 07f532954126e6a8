// 10^x built the way the reader builds it, every step rounded once to the
// unit's format: t = x * log2(10), n = t to the nearest integer (ties to
// even), f = t - n, r = (2^f - 1) + 1, result = r * 2^n.
#pragma once

#include <cstdint>

#include <mpfr.h>

#include "tests/reference/two_to_x_minus_one.h"

namespace reference {

// log2(10) rounded to nearest at 64 bits: the unit's FLDL2T constant.
void ModelLog2Ten(mpfr_t result);

void ModelPowerOfTen(mpfr_t result, std::int32_t x, TwoToXMinusOneStep twoToXMinusOne);

}  // namespace reference
