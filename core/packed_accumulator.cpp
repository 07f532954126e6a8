#include "core/packed_accumulator.h"

#include <cstdint>

namespace {

// A digit byte of the accumulator; bytes above the digits read as zero, so the
// sign byte never moves into them.
std::uint8_t DigitByte(const PackedDecimal& packed, int index)
{
    return index <= kAccumulatorTopByte ? packed.bytes[index] : 0;
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
    // Every digit moves down by `shift` nibble places: whole bytes when the
    // shift is even; otherwise each new byte takes its low nibble from the
    // high nibble of one source byte and its high nibble from the low nibble
    // of the next. Upward, so each source byte is read before it is written.
    const int shift = kAccumulatorDigits - count;
    const int byteShift = shift / 2;
    PackedDecimal& packed = accumulator->packed;
    for (int index = 0; index <= kAccumulatorTopByte; ++index) {
        const std::uint8_t low = DigitByte(packed, index + byteShift);
        if (shift % 2 == 0) {
            packed.bytes[index] = low;
            continue;
        }
        const std::uint8_t high = DigitByte(packed, index + byteShift + 1);
        packed.bytes[index] = static_cast<std::uint8_t>((low >> 4) | ((high & 0x0F) << 4));
    }
}
