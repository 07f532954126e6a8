#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {

// 64 bits fit the significand: normalizing is all there is, nothing rounds.
Extended PackInteger(bool sign, std::uint64_t magnitude)
{
    if (magnitude == 0) return PackZero(sign);
    const int shift = CountLeadingZeros64(magnitude);
    return Pack(sign, kBias + 63 - shift, magnitude << shift);
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
