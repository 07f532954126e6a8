// The working state of one ReadDecimal call, and the two steps that turn its
// accumulators into a value. Nothing here outlives the call.
#pragma once

#include <cstdint>

#include "core/extended.h"
#include "core/packed_accumulator.h"

struct ReaderState {
    const char* position;           // the character being looked at
    PackedAccumulator integerPart;  // digits before the decimal point
    PackedAccumulator fractionPart; // digits after it
    PackedAccumulator* filling;     // the accumulator receiving digits
    int digitsLeft;                 // free digit places in `filling`
    bool sawDigit;                  // any mantissa digit, leading zeros included
    bool sawNonZero;                // integer: storing has begun; fraction: a non-zero digit
    Extended value;                 // the running value
};

void StartReading(ReaderState* state, const char* text);
// The value becomes the stored integer digits (+0 when none were stored).
void LoadIntegerPart(ReaderState* state);
// Adds fraction * 10^-18 to the value when a non-zero fraction digit was read.
void AddFractionPart(ReaderState* state);

// 10^x in the environment already in force (no save or reset of its own).
Extended ComputePowerOfTen(std::int32_t x);
