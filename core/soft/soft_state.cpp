// The floating-point state operations. The software model has no control
// word, no status flags and no register stack: every operation rounds to
// nearest with a 64-bit significand and masked exceptions, which is exactly
// the state FNINIT would set, and keeps nothing between calls. So there is
// nothing to save, re-initialise, restore or push, and a caller's state
// cannot be disturbed. Without a register stack nothing can be handed back on
// one: PushOnStack says so.
#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

// The image is zeroed so that a later Restore reads defined bytes.
void SaveAndReset(SavedState* saved)
{
    for (std::uint8_t& byte : saved->image) byte = 0;
}

void Restore(const SavedState* /*saved*/) {}

void Reset() {}

bool PushOnStack(const Extended& /*value*/)
{
    return false;
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
