#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

// FISTP m32, to nearest even. With the invalid-operation exception masked the
// unit stores the integer indefinite for NaNs, infinities, unsupported
// encodings and anything that rounds outside the 32-bit range.
std::int32_t StoreInt32(const Extended& value)
{
    const soft::Class kind = soft::Classify(value);
    if (kind == soft::Class::kZero) return 0;
    if (kind != soft::Class::kFinite) return kIntegerIndefinite;
    const soft::Unpacked u = soft::Unpack(value);
    const std::int32_t unbiased = u.exp - soft::kBias;
    if (unbiased >= 32) return kIntegerIndefinite;
    const soft::Uint128 parts =
        soft::ShiftRightJam128({u.sig, 0}, static_cast<std::uint32_t>(63 - unbiased));
    bool carry = false;
    const std::uint64_t magnitude = soft::RoundNearestEven(parts.hi, parts.lo, &carry);
    // -2^31 itself has the indefinite's bits, so one bound serves both signs.
    if (magnitude > 0x7FFFFFFFu) return kIntegerIndefinite;
    const std::int32_t result = static_cast<std::int32_t>(magnitude);
    return u.sign ? -result : result;
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
