// Reads a decimal text ("21.5", "-.5e3", "  7") into an Extended value with
// the reader's own packed-decimal accumulators and powers of ten.
#pragma once

#include <cstdint>

#include "core/extended.h"

// Mode bit: hand the result back on the caller's register stack instead of
// storing it; the destination is then not touched.
constexpr std::uint32_t kReadDecimalHandBack = 0x80;

// Returns 0 on failure (nothing is stored or pushed), non-zero on success.
// The caller's floating-point state is left exactly as it was found (in
// hand-back mode, with the value pushed on top of it).
std::uint32_t ReadDecimal(const char* text, Extended* destination, std::uint32_t mode);

// Hand-back mode as a returned value: status and value together.
struct DecimalReading {
    std::uint32_t status;
    Extended value;
};
DecimalReading ReadDecimalHandBack(const char* text);

// 10^x, built as (2^f - 1 + 1) * 2^n from x * log2(10) = n + f.
Extended PowerOfTen(std::int32_t x);
