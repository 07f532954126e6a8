// The one place where results are rounded: to nearest, ties to even, at a
// 64-bit significand or, below the normal range, at the denormal's own
// precision (the unit denormalizes first and rounds once when underflow is
// masked).
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {
namespace {

// The exponent field and significand of a result.
struct Fields {
    std::int32_t exp;
    std::uint64_t sig;
};

Fields Round(std::int32_t exp, std::uint64_t sig, std::uint64_t extra)
{
    if (sig == 0) {
        if (extra == 0) return {0, 0};
        sig = extra;
        extra = 0;
        exp -= 64;
    }
    const int shift = CountLeadingZeros64(sig);
    if (shift != 0) {
        const Uint128 normal = ShiftLeft128({sig, extra}, static_cast<unsigned>(shift));
        sig = normal.hi;
        extra = normal.lo;
        exp -= shift;
    }
    if (exp <= 0) {
        // 1 - exp >= 1; as unsigned, any huge count jams to a sticky bit.
        const Uint128 denormal = ShiftRightJam128(
            {sig, extra}, static_cast<std::uint32_t>(1 - static_cast<std::int64_t>(exp)));
        sig = denormal.hi;
        extra = denormal.lo;
        exp = 0;
    }
    bool carry = false;
    sig = RoundNearestEven(sig, extra, &carry);
    if (carry) {
        sig = kIntegerBit;
        ++exp;
    } else if (exp == 0 && (sig & kIntegerBit) != 0) {
        exp = 1;  // a denormal rounded up to the smallest normal
    }
    if (exp >= kMaxExponent) return {kMaxExponent, kIntegerBit};  // infinity
    return {exp, sig};
}

}  // namespace

std::uint64_t RoundNearestEven(std::uint64_t sig, std::uint64_t extra, bool* carry)
{
    constexpr std::uint64_t kHalf = 0x8000000000000000u;
    *carry = false;
    if (extra < kHalf || (extra == kHalf && (sig & 1) == 0)) return sig;
    *carry = sig == ~std::uint64_t{0};
    return sig + 1;
}

// One Pack for every outcome: results that leave by several returns get
// merged through memory, a byte at a time.
Extended RoundPack(bool sign, std::int32_t exp, std::uint64_t sig, std::uint64_t extra)
{
    const Fields rounded = Round(exp, sig, extra);
    return Pack(sign, rounded.exp, rounded.sig);
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
