#include "core/soft/soft_internal.h"

namespace ext {
namespace soft {

// 64 bits fit the significand, so the rounding inside never changes a bit.
Extended PackInteger(bool sign, std::uint64_t magnitude)
{
    return RoundPack(sign, kBias + 63, magnitude, 0);
}

}  // namespace soft
}  // namespace ext
