// The steps behind a density, for CalculateDensity and the display's details
// (core/display_details.h), which need what the density is rounded from.
// Inline, so that CalculateDensity compiles to the same code as before it
// had a second caller, and a program that needs only the density links
// nothing more.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/decimal_reader.h"
#include "core/density.h"
#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

// The width and height as the magnitudes whose squares are added, the
// diagonal read and the quotient sqrt(width^2 + height^2) / diagonal whose
// rounding is the density. All but the result mean something only for a
// density.
struct DensityReading {
    DensityResult result;
    std::uint32_t widthMagnitude;
    std::uint32_t heightMagnitude;
    Extended diagonal;
    Extended quotient;
};

namespace density_steps {

// The square of a width or height taken as the 32-bit two's-complement
// integer the dialog's arithmetic keeps: a box that reads "-5" as 2^32 - 5
// squares to 25, as 5 does. At most 2^62, exact in 64 bits.
inline std::uint64_t SquareOf(std::uint32_t pixels)
{
    const std::int64_t signedPixels = static_cast<std::int32_t>(pixels);
    return static_cast<std::uint64_t>(signedPixels * signedPixels);
}

// The same integer without its sign, the side whose square that is. At most
// 2^31.
inline std::uint32_t MagnitudeOf(std::uint32_t pixels)
{
    return static_cast<std::int32_t>(pixels) < 0 ? 0u - pixels : pixels;
}

// The reader gives no NaN, so a diagonal is greater than zero exactly when its
// sign is clear and it is not a zero.
inline bool IsGreaterThanZero(const Extended& value)
{
    const std::uint16_t signAndExponent = SignAndExponentOf(value);
    const bool negative = (signAndExponent & 0x8000) != 0;
    return !negative && (signAndExponent != 0 || SignificandOf(value) != 0);
}

}  // namespace density_steps

// No display has a diagonal of zero or less, and a quotient past the 32-bit
// range is no density: both are input errors, not the negative or
// integer-indefinite numbers the arithmetic would give. Leaves the
// floating-point unit re-initialised.
inline DensityReading ReadDensity(std::uint32_t width, std::uint32_t height,
                                  const char* diagonalText)
{
    using namespace density_steps;
    const DensityReading inputError{{DensityKind::InputError, 0}, 0, 0, {}, {}};
    // The sum (at most 2^63) is exact in 64 bits and loads exactly: where a
    // 32-bit sum would wrap, the sum of squares stays whole instead.
    const std::uint64_t sumOfSquares = SquareOf(width) + SquareOf(height);

    ext::Reset();
    if (diagonalText == nullptr || diagonalText[0] == '\0') return inputError;
    Extended diagonal;
    if (ReadDecimal(diagonalText, &diagonal, kReadDecimalStore) == 0) return inputError;
    if (!IsGreaterThanZero(diagonal)) return inputError;

    const Extended quotient = ext::Div(ext::Sqrt(ext::LoadUint64(sumOfSquares)), diagonal);
    // A non-negative root over a positive diagonal is never negative, so the
    // integer-indefinite value can only be the conversion's verdict that the
    // quotient did not fit.
    const std::int32_t density = ext::StoreInt32(quotient);
    if (density == ext::kIntegerIndefinite) return inputError;
    return {{DensityKind::Density, density},
            MagnitudeOf(width),
            MagnitudeOf(height),
            diagonal,
            quotient};
}

}  // namespace QUORVEL_CORE_NAMESPACE
