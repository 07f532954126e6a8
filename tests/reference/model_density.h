// The density calculation on top of the reader model: the sum of squares in
// 32-bit two's complement, its square root, the quotient by the diagonal,
// and the rounding to a signed 32-bit integer (ties to even). A diagonal of
// zero or less, and a quotient that does not round into the 32-bit range,
// are input errors.
#pragma once

#include <cstdint>

#include "core/density.h"
#include "tests/reference/model_reader.h"

namespace reference {

// The diagonal read and the quotient whose rounding is the density, both on
// the unit's grid; meaningful only for a density.
struct ModelDensityReading {
    DensityResult result;
    Extended diagonal;
    Extended quotient;
};

ModelDensityReading ModelReadDensity(const ReaderModel& model, std::uint32_t width,
                                     std::uint32_t height, const char* diagonalText);

DensityResult ModelDensity(const ReaderModel& model, std::uint32_t width, std::uint32_t height,
                           const char* diagonalText);

}  // namespace reference
