// Powers of ten from the unit's own log2(10): x * log2(10) = n + f with n the
// nearest integer, so 10^x = 2^f * 2^n, and 2^f comes from the accurate-near-
// zero 2^f - 1. The product x * log2(10) is rounded before the split, so the
// result carries that error: the powers are close, not correctly rounded.
#include "core/decimal_reader.h"
#include "core/extended_ops.h"
#include "core/reader_state.h"

namespace {
constexpr Extended kOne = MakeExtended(0x3FFF, 0x8000000000000000u);
}

Extended ComputePowerOfTen(std::int32_t x)
{
    const Extended t = ext::Mul(ext::LoadInt32(x), ext::LoadLog2Ten());
    const Extended n = ext::RoundToInteger(t);
    const Extended f = ext::Sub(t, n);
    const Extended r = ext::Add(ext::TwoToXMinusOne(f), kOne);
    return ext::Scale(r, n);
}

Extended PowerOfTen(std::int32_t x)
{
    ext::SavedState saved;
    ext::SaveAndReset(&saved);
    const Extended result = ComputePowerOfTen(x);
    ext::Restore(&saved);
    return result;
}
