#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// Bytes 0..7 (16 digits) as a number, all lanes at once: the nibbles of each
// byte become a pair (tens * 10 + units), neighbouring pairs a four-digit
// group (* 100), then an eight-digit one (* 10^4), then all sixteen (* 10^8).
// A lane never carries into the next: a byte of two 15s gives 165, a group
// of those stays below 2^16 and 2^32 in turn.
std::uint64_t SixteenDigits(const PackedDecimal& packed)
{
    std::uint64_t v = LowEightBytesOf(packed.bytes);
    v = (v & 0x0F0F0F0F0F0F0F0Fu) + ((v >> 4) & 0x0F0F0F0F0F0F0F0Fu) * 10;
    v = (v & 0x00FF00FF00FF00FFu) + ((v >> 8) & 0x00FF00FF00FF00FFu) * 100;
    v = (v & 0x0000FFFF0000FFFFu) + ((v >> 16) & 0x0000FFFF0000FFFFu) * 10000;
    return (v & 0xFFFFFFFFu) + (v >> 32) * 100000000;
}

}  // namespace

// FBLD: 18 digits stay below 2^60, so the load is exact. The unit leaves
// nibbles above 9 undefined; here they simply weigh in with their value.
Extended LoadPacked(const PackedDecimal& packed)
{
    constexpr std::uint64_t kTenTo16 = 10000000000000000u;
    const std::uint32_t top = packed.bytes[8];
    const std::uint64_t topPair = (top >> 4) * 10 + (top & 0x0Fu);
    const std::uint64_t magnitude = topPair * kTenTo16 + SixteenDigits(packed);
    return soft::PackInteger((packed.bytes[9] & 0x80) != 0, magnitude);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
