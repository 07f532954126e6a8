#include <utility>

#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {

Extended AddMagnitudes(const Extended& a, const Extended& b, bool sign)
{
    if (Classify(a) == Class::kInfinity || Classify(b) == Class::kInfinity) {
        return PackInfinity(sign);
    }
    std::int32_t expA = AlignedExponentOf(a);
    std::int32_t expB = AlignedExponentOf(b);
    std::uint64_t sigA = SignificandOf(a);
    std::uint64_t sigB = SignificandOf(b);
    if (expA < expB) {
        std::swap(expA, expB);
        std::swap(sigA, sigB);
    }
    const Uint128 aligned = ShiftRightJam128({sigB, 0}, static_cast<std::uint32_t>(expA - expB));
    Uint128 sum = {sigA + aligned.hi, aligned.lo};
    if (sum.hi < sigA) {
        // Carry out of bit 63: one more integer bit, one exponent up.
        sum = ShiftRightJam128(sum, 1);
        sum.hi |= kIntegerBit;
        ++expA;
    }
    return RoundPack(sign, expA, sum.hi, sum.lo);
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
