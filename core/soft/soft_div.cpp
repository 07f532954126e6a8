#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

namespace ext {
namespace {

// Restoring long division of normalized significands: 128 quotient bits of
// a / b with the integer bit at bit 127 (a / b lies in (1/2, 2)), the
// non-zero remainder ORed into bit 0.
soft::Uint128 DivideSignificands(std::uint64_t a, std::uint64_t b)
{
    soft::Uint128 quotient = {0, 0};
    std::uint64_t remainder = a;
    bool carry = false;  // bit 64 of the remainder after a doubling
    for (int bit = 127; bit >= 0; --bit) {
        quotient = soft::ShiftLeft128(quotient, 1);
        if (carry || remainder >= b) {
            remainder -= b;  // wraps back below b when carry is set
            quotient.lo |= 1;
        }
        if (bit == 0) break;
        carry = (remainder >> 63) != 0;
        remainder <<= 1;
    }
    if (remainder != 0) quotient.lo |= 1;
    return quotient;
}

}  // namespace

// FDIV.
Extended Div(const Extended& a, const Extended& b)
{
    Extended special;
    if (soft::TakeInvalidOrNaN(a, b, &special)) return special;
    const soft::Class classA = soft::Classify(a);
    const soft::Class classB = soft::Classify(b);
    const bool sign = soft::SignOf(a) != soft::SignOf(b);
    if (classA == soft::Class::kInfinity) {
        return classB == soft::Class::kInfinity ? soft::kIndefinite : soft::PackInfinity(sign);
    }
    if (classB == soft::Class::kInfinity) return soft::PackZero(sign);
    if (classB == soft::Class::kZero) {
        // Division by zero, masked: an infinity; 0/0 is invalid.
        return classA == soft::Class::kZero ? soft::kIndefinite : soft::PackInfinity(sign);
    }
    if (classA == soft::Class::kZero) return soft::PackZero(sign);
    const soft::Unpacked ua = soft::Unpack(a);
    const soft::Unpacked ub = soft::Unpack(b);
    const soft::Uint128 quotient = DivideSignificands(ua.sig, ub.sig);
    return soft::RoundPack(sign, ua.exp - ub.exp + soft::kBias, quotient.hi, quotient.lo);
}

}  // namespace ext
