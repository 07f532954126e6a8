// Reads a decimal text ("21.5", "-.5e3", "  7") into an Extended value with
// the reader's own packed-decimal accumulators and powers of ten
// (core/power_of_ten.h).
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

// The mode word of ReadDecimal; only bit 7 is examined.
// Store mode: the value is written to the destination. The calculator passes 1.
constexpr std::uint32_t kReadDecimalStore = 1;
// Hand-back mode: the value is pushed on the caller's register stack after
// the caller's state is restored; the destination is not touched. Only the
// x87 backend has a register stack: on the software backend this mode always
// returns 0 and delivers nothing, so use ReadDecimalHandBack there.
constexpr std::uint32_t kReadDecimalHandBack = 0x80;

// Returns 0 on failure (nothing is stored or pushed), non-zero on success.
// The caller's floating-point state is left exactly as it was found (in
// hand-back mode, with the value pushed on top of it).
std::uint32_t ReadDecimal(const char* text, Extended* destination, std::uint32_t mode);

// Hand-back mode as a returned value, on every backend: status and value
// together.
struct DecimalReading {
    std::uint32_t status;
    Extended value;
};
DecimalReading ReadDecimalHandBack(const char* text);

}  // namespace QUORVEL_CORE_NAMESPACE
