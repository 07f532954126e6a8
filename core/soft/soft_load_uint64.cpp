#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

Extended LoadUint64(std::uint64_t value)
{
    return soft::PackInteger(false, value);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
