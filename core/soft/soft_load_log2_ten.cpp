#include "core/extended_ops.h"

namespace ext {

// FLDL2T under round to nearest: log2(10) = 3.32192809488736234787... with a
// 64-bit significand. (The unit keeps more bits internally; only directed
// rounding would change the last one.)
Extended LoadLog2Ten()
{
    return MakeExtended(0x4000, 0xD49A784BCD1B8AFEu);
}

}  // namespace ext
