#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

// FRNDINT, to nearest even. From 2^63 up every value is an integer already.
Extended RoundToInteger(const Extended& a)
{
    const soft::Class kind = soft::Classify(a);
    if (kind == soft::Class::kUnsupported) return soft::kIndefinite;
    if (kind == soft::Class::kNaN) return soft::QuietNaN(a);
    if (kind != soft::Class::kFinite) return a;
    const soft::Unpacked u = soft::Unpack(a);
    const std::int32_t unbiased = u.exp - soft::kBias;
    if (unbiased >= 63) return soft::RoundPack(u.sign, u.exp, u.sig, 0);
    // Integer part in hi, fraction in lo.
    const soft::Uint128 parts =
        soft::ShiftRightJam128({u.sig, 0}, static_cast<std::uint32_t>(63 - unbiased));
    bool carry = false;
    const std::uint64_t integer = soft::RoundNearestEven(parts.hi, parts.lo, &carry);
    return soft::PackInteger(u.sign, integer);  // no carry: parts.hi < 2^63
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
