#include "core/power_of_ten.h"

#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {
constexpr Extended kOne = MakeExtended(0x3FFF, 0x8000000000000000u);
}

Extended ComputePowerOfTen(std::int32_t x)
{
    if (const Extended* ready = ext::PrecomputedPowerOfTen(x)) return *ready;
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

}  // namespace QUORVEL_CORE_NAMESPACE
