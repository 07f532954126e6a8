// The one writer of decimal numbers shown to a person: an extended value, or
// a count of millionths, rounded to nearest with ties to even onto a fixed
// number of decimals, exactly, from the value's own bits. No printf and no C
// runtime, so every backend and processor writes the same digits.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

// The most decimals a text may have.
constexpr int kMaxDecimals = 9;
// Room for any finite extended value (at most 4933 digits before the point),
// its sign, the point and kMaxDecimals decimals.
constexpr int kDecimalTextCapacity = 4950;

// Writes the value with exactly `decimals` digits after the point (none and
// no point for 0), a "-" before a value whose sign is set; no NUL. Returns the
// number of bytes written, or 0 for an infinity or NaN, which have no digits.
int WriteDecimal(const Extended& value, int decimals, char* text);

// A whole number, in decimal.
int WriteUnsigned(std::uint64_t value, char* text);

// The same for the exact quotient millionths / 10^6 (megapixels from pixels).
int WriteMillionths(std::uint64_t millionths, int decimals, char* text);

}  // namespace QUORVEL_CORE_NAMESPACE
