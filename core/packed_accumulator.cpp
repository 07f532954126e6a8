#include "core/packed_accumulator.h"

#include <cstdint>

namespace {

// Nibble place p: place 0 is the low nibble of byte 0, place 17 the high
// nibble of byte 8.
int DigitAt(const PackedDecimal& packed, int place)
{
    const int byte = packed.bytes[place / 2];
    return (place % 2 == 0) ? (byte & 0x0F) : (byte >> 4);
}

void SetDigitAt(PackedDecimal* packed, int place, int digit)
{
    std::uint8_t& byte = packed->bytes[place / 2];
    byte = (place % 2 == 0) ? static_cast<std::uint8_t>((byte & 0xF0) | digit)
                            : static_cast<std::uint8_t>((byte & 0x0F) | (digit << 4));
}

}  // namespace

void ClearAccumulator(PackedAccumulator* accumulator)
{
    for (std::uint8_t& byte : accumulator->packed.bytes) byte = 0;
    accumulator->writeByte = kAccumulatorTopByte;
}

void SetAccumulatorSign(PackedAccumulator* accumulator, bool negative)
{
    accumulator->packed.bytes[kAccumulatorSignByte] = negative ? 0x80 : 0x00;
}

void StoreDigitPair(PackedAccumulator* accumulator, int high, int low)
{
    accumulator->packed.bytes[accumulator->writeByte] = static_cast<std::uint8_t>((high << 4) | low);
    accumulator->writeByte -= 1;
}

void StoreLoneDigit(PackedAccumulator* accumulator, int digit)
{
    accumulator->packed.bytes[accumulator->writeByte] = static_cast<std::uint8_t>(digit << 4);
}

void RightAlignDigits(PackedAccumulator* accumulator, int count)
{
    const int shift = kAccumulatorDigits - count;
    // Upward, so every source place is read before it is overwritten.
    for (int place = 0; place < kAccumulatorDigits; ++place) {
        const int source = place + shift;
        const int digit = source < kAccumulatorDigits ? DigitAt(accumulator->packed, source) : 0;
        SetDigitAt(&accumulator->packed, place, digit);
    }
}
