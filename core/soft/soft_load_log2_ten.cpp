#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// Built at compile time, so the call returns a ready image.
constexpr Extended kLog2Ten = MakeExtended(0x4000, 0xD49A784BCD1B8AFEu);

}  // namespace

// FLDL2T under round to nearest: log2(10) = 3.32192809488736234787... with a
// 64-bit significand. (The unit keeps more bits internally; only directed
// rounding would change the last one.)
Extended LoadLog2Ten()
{
    return kLog2Ten;
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
