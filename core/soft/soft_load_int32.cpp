#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

// FILD m32.
Extended LoadInt32(std::int32_t value)
{
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    const std::uint32_t magnitude = value < 0 ? 0u - bits : bits;
    return soft::PackInteger(value < 0, magnitude);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
