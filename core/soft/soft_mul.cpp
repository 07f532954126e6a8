#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// At least one operand is a zero, an infinity, a NaN or unsupported.
Extended MulSpecial(const Extended& a, const Extended& b, bool sign)
{
    Extended special;
    if (soft::TakeInvalidOrNaN(a, b, &special)) return special;
    const soft::Class classA = soft::Classify(a);
    const soft::Class classB = soft::Classify(b);
    const bool zero = classA == soft::Class::kZero || classB == soft::Class::kZero;
    if (classA == soft::Class::kInfinity || classB == soft::Class::kInfinity) {
        return zero ? soft::kIndefinite : soft::PackInfinity(sign);
    }
    return soft::PackZero(sign);
}

}  // namespace

// FMUL. The 128-bit product of the normalized significands is exact.
Extended Mul(const Extended& a, const Extended& b)
{
    const bool sign = soft::SignOf(a) != soft::SignOf(b);
    if (!soft::BothFinite(a, b)) return MulSpecial(a, b, sign);
    const soft::Unpacked ua = soft::Unpack(a);
    const soft::Unpacked ub = soft::Unpack(b);
    const soft::Uint128 product = soft::Mul64To128(ua.sig, ub.sig);
    // product = (hi + lo * 2^-64) * 2^64, and each factor carries 2^-63.
    return soft::RoundPack(sign, ua.exp + ub.exp - soft::kBias + 1, product.hi, product.lo);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
