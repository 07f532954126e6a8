#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

namespace ext {
namespace {

// Bit p of the 130-bit radicand sig * 2^shift.
std::uint64_t RadicandBit(std::uint64_t sig, int shift, int p)
{
    const int bit = p - shift;
    if (bit < 0 || bit > 63) return 0;
    return (sig >> bit) & 1;
}

}  // namespace

// FSQRT. With the exponent made even, the radicand sig * 2^(65 or 66) lies in
// [2^128, 2^130), so the digit-by-digit root has 65 bits: 64 for the
// significand and one to round on; the remainder is the sticky bit. A root of
// a 64-bit significand is never exactly halfway, so no tie arises.
Extended Sqrt(const Extended& a)
{
    const soft::Class kind = soft::Classify(a);
    if (kind == soft::Class::kUnsupported) return soft::kIndefinite;
    if (kind == soft::Class::kNaN) return soft::QuietNaN(a);
    if (kind == soft::Class::kZero) return a;  // sqrt(-0) = -0
    if (soft::SignOf(a)) return soft::kIndefinite;
    if (kind == soft::Class::kInfinity) return a;
    const soft::Unpacked u = soft::Unpack(a);
    const std::int32_t unbiased = u.exp - soft::kBias;
    const std::int32_t odd = unbiased & 1;
    const int shift = 65 + odd;
    soft::Uint128 root = {0, 0};
    soft::Uint128 remainder = {0, 0};
    for (int p = 129; p > 0; p -= 2) {
        const std::uint64_t pair =
            (RadicandBit(u.sig, shift, p) << 1) | RadicandBit(u.sig, shift, p - 1);
        remainder = soft::ShiftLeft128(remainder, 2);
        remainder.lo |= pair;
        soft::Uint128 trial = soft::ShiftLeft128(root, 2);
        trial.lo |= 1;
        root = soft::ShiftLeft128(root, 1);
        if (!soft::Less128(remainder, trial)) {
            remainder = soft::Sub128(remainder, trial);
            root.lo |= 1;
        }
    }
    const std::uint64_t sig = (root.hi << 63) | (root.lo >> 1);
    const std::uint64_t extra = ((root.lo & 1) << 63) | (soft::IsZero128(remainder) ? 0u : 1u);
    return soft::RoundPack(false, (unbiased - odd) / 2 + soft::kBias, sig, extra);
}

}  // namespace ext
