#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

namespace ext {

// FBLD: 18 digits stay below 2^60, so the load is exact. The unit leaves
// nibbles above 9 undefined; here they simply weigh in with their value.
Extended LoadPacked(const PackedDecimal& packed)
{
    std::uint64_t magnitude = 0;
    for (int i = 8; i >= 0; --i) {
        const std::uint8_t pair = packed.bytes[i];
        magnitude = magnitude * 100 + static_cast<std::uint64_t>(pair >> 4) * 10 + (pair & 0x0Fu);
    }
    return soft::PackInteger((packed.bytes[9] & 0x80) != 0, magnitude);
}

}  // namespace ext
