#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

namespace ext {
namespace {

// The digit pair of one byte as a number: high nibble tens, low nibble units.
std::uint32_t PairAt(const PackedDecimal& packed, int index)
{
    const std::uint32_t pair = packed.bytes[index];
    return (pair >> 4) * 10 + (pair & 0x0Fu);
}

// Bytes index+3 down to index as an 8-digit number, in 32-bit arithmetic
// (the bytes are read one at a time: the reader has just written them so).
std::uint32_t EightDigitsAt(const PackedDecimal& packed, int index)
{
    std::uint32_t value = 0;
    for (int i = index + 3; i >= index; --i) value = value * 100 + PairAt(packed, i);
    return value;
}

}  // namespace

// FBLD: 18 digits stay below 2^60, so the load is exact. The unit leaves
// nibbles above 9 undefined; here they simply weigh in with their value
// (165 for a byte of two 15s, so a group of four bytes stays below 2^28).
Extended LoadPacked(const PackedDecimal& packed)
{
    constexpr std::uint64_t kTenTo8 = 100000000u;
    const std::uint64_t magnitude =
        (static_cast<std::uint64_t>(PairAt(packed, 8)) * kTenTo8 + EightDigitsAt(packed, 4)) *
            kTenTo8 +
        EightDigitsAt(packed, 0);
    return soft::PackInteger((packed.bytes[9] & 0x80) != 0, magnitude);
}

}  // namespace ext
