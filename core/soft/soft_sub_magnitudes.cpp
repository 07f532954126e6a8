#include <utility>

#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {

// Only when the exponents differ by 0 or 1 can the difference lose more than
// one leading bit, and then the aligned operand lost nothing to the sticky
// bit: RoundPack's normalizing shift never moves a sticky bit up among
// significant ones.
Extended SubMagnitudes(const Extended& a, const Extended& b, bool sign)
{
    const bool infiniteA = Classify(a) == Class::kInfinity;
    const bool infiniteB = Classify(b) == Class::kInfinity;
    if (infiniteA && infiniteB) return kIndefinite;
    if (infiniteA) return PackInfinity(sign);
    if (infiniteB) return PackInfinity(!sign);
    std::int32_t expA = AlignedExponentOf(a);
    std::int32_t expB = AlignedExponentOf(b);
    std::uint64_t sigA = SignificandOf(a);
    std::uint64_t sigB = SignificandOf(b);
    // An exact cancellation is +0 when rounding to nearest, whatever the signs.
    if (expA == expB && sigA == sigB) return PackZero(false);
    if (expA < expB || (expA == expB && sigA < sigB)) {
        std::swap(expA, expB);
        std::swap(sigA, sigB);
        sign = !sign;
    }
    const Uint128 aligned = ShiftRightJam128({sigB, 0}, static_cast<std::uint32_t>(expA - expB));
    const Uint128 difference = Sub128({sigA, 0}, aligned);
    return RoundPack(sign, expA, difference.hi, difference.lo);
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
