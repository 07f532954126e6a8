// The density calculation: round(sqrt(width^2 + height^2) / diagonal) in
// extended precision. No display has a diagonal of zero or less, and a
// quotient past the 32-bit range is no density: both are input errors, not
// the negative or integer-indefinite numbers the arithmetic would give.
#include "core/density.h"

#include "core/decimal_reader.h"
#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {
constexpr DensityResult kInputError{DensityKind::InputError, 0};

// The square of a width or height taken as the 32-bit two's-complement
// integer the dialog's arithmetic keeps: a box that reads "-5" as 2^32 - 5
// squares to 25, as 5 does. At most 2^62, exact in 64 bits.
std::uint64_t SquareOf(std::uint32_t pixels)
{
    const std::int64_t signedPixels = static_cast<std::int32_t>(pixels);
    return static_cast<std::uint64_t>(signedPixels * signedPixels);
}

// The reader gives no NaN, so a diagonal is greater than zero exactly when its
// sign is clear and it is not a zero.
bool IsGreaterThanZero(const Extended& value)
{
    const std::uint16_t signAndExponent = SignAndExponentOf(value);
    const bool negative = (signAndExponent & 0x8000) != 0;
    return !negative && (signAndExponent != 0 || SignificandOf(value) != 0);
}
}  // namespace

DensityResult CalculateDensity(std::uint32_t width, std::uint32_t height, const char* diagonalText)
{
    // The sum (at most 2^63) is exact in 64 bits and loads exactly: where a
    // 32-bit sum would wrap, the sum of squares stays whole instead.
    const std::uint64_t sumOfSquares = SquareOf(width) + SquareOf(height);

    ext::Reset();
    if (diagonalText == nullptr || diagonalText[0] == '\0') return kInputError;
    Extended diagonal;
    if (ReadDecimal(diagonalText, &diagonal, kReadDecimalStore) == 0) return kInputError;
    if (!IsGreaterThanZero(diagonal)) return kInputError;

    const Extended quotient = ext::Div(ext::Sqrt(ext::LoadUint64(sumOfSquares)), diagonal);
    // A non-negative root over a positive diagonal is never negative, so the
    // integer-indefinite value can only be the conversion's verdict that the
    // quotient did not fit.
    const std::int32_t density = ext::StoreInt32(quotient);
    if (density == ext::kIntegerIndefinite) return kInputError;
    return DensityResult{DensityKind::Density, density};
}

}  // namespace QUORVEL_CORE_NAMESPACE
