#include "core/packed_accumulator.h"

#include <cstdint>

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {

// Bytes 0..7 read one at a time: the reader has just written them so, and a
// processor forwards a byte store to a byte load but not to a word load.
std::uint64_t LowDigitsOf(const PackedDecimal& packed)
{
    std::uint64_t low = 0;
    for (int index = kAccumulatorTopByte - 1; index >= 0; --index)
        low = low << 8 | packed.bytes[index];
    return low;
}

// Spelled out, the eight byte stores merge into one, which the arithmetic's
// load of the same word then receives directly.
void SetLowDigits(PackedDecimal* packed, std::uint64_t low)
{
    packed->bytes[0] = static_cast<std::uint8_t>(low);
    packed->bytes[1] = static_cast<std::uint8_t>(low >> 8);
    packed->bytes[2] = static_cast<std::uint8_t>(low >> 16);
    packed->bytes[3] = static_cast<std::uint8_t>(low >> 24);
    packed->bytes[4] = static_cast<std::uint8_t>(low >> 32);
    packed->bytes[5] = static_cast<std::uint8_t>(low >> 40);
    packed->bytes[6] = static_cast<std::uint8_t>(low >> 48);
    packed->bytes[7] = static_cast<std::uint8_t>(low >> 56);
}

}  // namespace

void ClearAccumulator(PackedAccumulator* accumulator)
{
    SetLowDigits(&accumulator->packed, 0);
    accumulator->packed.bytes[kAccumulatorTopByte] = 0;
    accumulator->packed.bytes[kAccumulatorSignByte] = 0;
    accumulator->writeByte = kAccumulatorTopByte;
}

void SetAccumulatorSign(PackedAccumulator* accumulator, bool negative)
{
    accumulator->packed.bytes[kAccumulatorSignByte] = negative ? 0x80 : 0x00;
}

void StoreDigitPair(PackedAccumulator* accumulator, int high, int low)
{
    accumulator->packed.bytes[accumulator->writeByte] =
        static_cast<std::uint8_t>((high << 4) | low);
    accumulator->writeByte -= 1;
}

void StoreLoneDigit(PackedAccumulator* accumulator, int digit)
{
    accumulator->packed.bytes[accumulator->writeByte] = static_cast<std::uint8_t>(digit << 4);
}

void RightAlignDigits(PackedAccumulator* accumulator, int count)
{
    // The 18 digit places (bytes 0..8) as one 72-bit number, `top` above
    // `low`, shifted down by four bits per empty place: the stored digits
    // drop to the bottom and zeros fill the places above them.
    PackedDecimal& packed = accumulator->packed;
    const auto shift = static_cast<unsigned>(4 * (kAccumulatorDigits - count));
    const std::uint64_t top = packed.bytes[kAccumulatorTopByte];
    const std::uint64_t low = LowDigitsOf(packed);
    std::uint64_t alignedLow = low;
    if (shift >= 64) {
        alignedLow = top >> (shift - 64);
    } else if (shift > 0) {
        alignedLow = low >> shift | top << (64 - shift);
    }
    SetLowDigits(&packed, alignedLow);
    packed.bytes[kAccumulatorTopByte] = static_cast<std::uint8_t>(shift < 8 ? top >> shift : 0);
}

}  // namespace QUORVEL_CORE_NAMESPACE
