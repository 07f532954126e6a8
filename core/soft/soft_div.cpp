#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// An underestimate of 2^127 / b for b >= 2^63, short of it by a few units:
// a 16-bit start from one 32-bit division (which any target does without a
// helper routine), then Newton's y += y (1 - b y), each step squaring the
// relative shortfall from 2^-14 on. From below every step stays below.
std::uint64_t Reciprocal(std::uint64_t b)
{
    const std::uint32_t top = static_cast<std::uint32_t>(b >> 48) + 1;  // 2^15 < top <= 2^16
    std::uint64_t y = static_cast<std::uint64_t>(0x80000000u / top) << 48;
    for (int step = 0; step < 3; ++step) {
        // (1 - b y / 2^127) * 2^127, below 2^113.
        const soft::Uint128 shortfall =
            soft::Sub128({soft::kIntegerBit, 0}, soft::Mul64To128(b, y));
        y += soft::Mul64To128(y, soft::ShiftRight128(shortfall, 63).lo).hi;
    }
    return y;
}

// The quotient of normalized significands as 128 bits of a / b with the
// integer bit at bit 127 (a / b lies in (1/2, 2)): 65 bits from the leading
// 1 exact (the significand and the rounding bit), a non-zero remainder ORed
// into bit 0. The 64 bits after the leading 1 are num * 2^64 / b with
// num = a - b or 2a - b, below b: estimated from the reciprocal (at most 3
// short), then raised to the exact floor by the remainder.
soft::Uint128 DivideSignificands(std::uint64_t a, std::uint64_t b)
{
    const bool atLeastOne = a >= b;
    const std::uint64_t num = atLeastOne ? a - b : a - b + a;  // 2a - b wraps back below b
    std::uint64_t q = soft::ShiftRight128(soft::Mul64To128(num, Reciprocal(b)), 63).lo;
    soft::Uint128 remainder = soft::Sub128({num, 0}, soft::Mul64To128(q, b));
    while (!soft::Less128(remainder, {0, b})) {
        ++q;
        remainder = soft::Sub128(remainder, {0, b});
    }
    const std::uint64_t sticky = soft::IsZero128(remainder) ? 0u : 1u;
    if (atLeastOne) return {soft::kIntegerBit | (q >> 1), (q << 63) | sticky};
    return {(soft::kIntegerBit >> 1) | (q >> 2), (q << 62) | sticky};
}

// At least one operand is a zero, an infinity, a NaN or unsupported.
Extended DivSpecial(const Extended& a, const Extended& b, bool sign)
{
    Extended special;
    if (soft::TakeInvalidOrNaN(a, b, &special)) return special;
    const soft::Class classA = soft::Classify(a);
    const soft::Class classB = soft::Classify(b);
    if (classA == soft::Class::kInfinity) {
        return classB == soft::Class::kInfinity ? soft::kIndefinite : soft::PackInfinity(sign);
    }
    if (classB == soft::Class::kInfinity) return soft::PackZero(sign);
    if (classB == soft::Class::kZero) {
        // Division by zero, masked: an infinity; 0/0 is invalid.
        return classA == soft::Class::kZero ? soft::kIndefinite : soft::PackInfinity(sign);
    }
    return soft::PackZero(sign);
}

}  // namespace

// FDIV.
Extended Div(const Extended& a, const Extended& b)
{
    const bool sign = soft::SignOf(a) != soft::SignOf(b);
    if (!soft::BothFinite(a, b)) return DivSpecial(a, b, sign);
    const soft::Unpacked ua = soft::Unpack(a);
    const soft::Unpacked ub = soft::Unpack(b);
    const soft::Uint128 quotient = DivideSignificands(ua.sig, ub.sig);
    return soft::RoundPack(sign, ua.exp - ub.exp + soft::kBias, quotient.hi, quotient.lo);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
