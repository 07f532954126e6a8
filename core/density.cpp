// The density calculation: round(sqrt(width^2 + height^2) / diagonal) in
// extended precision. No display has a diagonal of zero or less, and a
// quotient past the 32-bit range is no density: both are input errors, not
// the negative or integer-indefinite numbers the arithmetic would give.
#include "core/density.h"

#include "core/density_reading.h"

inline namespace QUORVEL_CORE_NAMESPACE {

DensityResult CalculateDensity(std::uint32_t width, std::uint32_t height, const char* diagonalText)
{
    return ReadDensity(width, height, diagonalText).result;
}

}  // namespace QUORVEL_CORE_NAMESPACE
