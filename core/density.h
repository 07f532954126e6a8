// Pixel density of a display from its resolution and diagonal size.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"

inline namespace QUORVEL_CORE_NAMESPACE {

enum class DensityKind { Density, InputError };

struct DensityResult {
    DensityKind kind;
    std::int32_t density;  // meaningful only for DensityKind::Density
};

// round(sqrt(width^2 + height^2) / diagonal), in extended precision; the
// diagonal text goes through ReadDecimal. Width and height count as 32-bit
// two's-complement integers (2^32 - 5 squares as -5), and their squares add
// exactly. An input error: a text the reader refuses, a diagonal of zero or
// less, or a quotient that does not round into the signed 32-bit range.
// Leaves the floating-point unit re-initialised.
DensityResult CalculateDensity(std::uint32_t width, std::uint32_t height, const char* diagonalText);

}  // namespace QUORVEL_CORE_NAMESPACE
