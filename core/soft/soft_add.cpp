#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

// FADD.
Extended Add(const Extended& a, const Extended& b)
{
    Extended special;
    if (!soft::BothFinite(a, b) && soft::TakeInvalidOrNaN(a, b, &special)) return special;
    const bool signA = soft::SignOf(a);
    if (signA == soft::SignOf(b)) return soft::AddMagnitudes(a, b, signA);
    return soft::SubMagnitudes(a, b, signA);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
