// A packed-decimal accumulator that collects up to 18 digits left-aligned:
// the first digit goes to the high nibble of byte 8, the next to its low
// nibble, and so on downward. Loading it as an integer needs the digits
// right-aligned, which RightAlignDigits does in place.
#pragma once

#include "core/core_namespace.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

constexpr int kAccumulatorDigits = 18;
constexpr int kAccumulatorTopByte = 8;
constexpr int kAccumulatorSignByte = 9;

struct PackedAccumulator {
    PackedDecimal packed;
    int writeByte;  // receives the next pair of digits
};

void ClearAccumulator(PackedAccumulator* accumulator);
void SetAccumulatorSign(PackedAccumulator* accumulator, bool negative);
// Stores high/low at the write position and moves it one byte down.
void StoreDigitPair(PackedAccumulator* accumulator, int high, int low);
// A digit that ends a part without a partner: high nibble, 0 below it.
void StoreLoneDigit(PackedAccumulator* accumulator, int digit);
// Moves the `count` stored digits down so the last one is the units digit,
// zeroing every place above them. The sign byte is left as written.
void RightAlignDigits(PackedAccumulator* accumulator, int count);

}  // namespace QUORVEL_CORE_NAMESPACE
