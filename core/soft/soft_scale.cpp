#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// trunc(exponent) for a finite exponent operand. Past 2^16 every scaling
// overflows or underflows (the finite range spans under 2^15.1 binades), so
// larger counts are clamped there.
std::int32_t ScaleCount(const Extended& exponent)
{
    constexpr std::int32_t kClamp = 0x10000;
    if (soft::Classify(exponent) == soft::Class::kZero) return 0;
    const soft::Unpacked u = soft::Unpack(exponent);
    const std::int32_t unbiased = u.exp - soft::kBias;
    if (unbiased < 0) return 0;
    const std::int32_t count =
        unbiased >= 16 ? kClamp : static_cast<std::int32_t>(u.sig >> (63 - unbiased));
    return u.sign ? -count : count;
}

}  // namespace

// FSCALE: a * 2^trunc(exponent), rounded once (only a denormal result can be
// inexact).
Extended Scale(const Extended& a, const Extended& exponent)
{
    Extended special;
    if (soft::TakeInvalidOrNaN(a, exponent, &special)) return special;
    const soft::Class classA = soft::Classify(a);
    const bool sign = soft::SignOf(a);
    if (soft::Classify(exponent) == soft::Class::kInfinity) {
        if (soft::SignOf(exponent)) {  // 2^-inf
            return classA == soft::Class::kInfinity ? soft::kIndefinite : soft::PackZero(sign);
        }
        return classA == soft::Class::kZero ? soft::kIndefinite : soft::PackInfinity(sign);
    }
    if (classA == soft::Class::kInfinity) return soft::PackInfinity(sign);
    if (classA == soft::Class::kZero) return soft::PackZero(sign);
    return soft::RoundPack(sign, soft::AlignedExponentOf(a) + ScaleCount(exponent),
                           SignificandOf(a), 0);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
