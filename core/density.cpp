// The density calculation: round(sqrt(width^2 + height^2) / diagonal) in
// extended precision. A zero or negative diagonal is not rejected: it flows
// through the arithmetic (infinity or NaN end as the integer-indefinite
// -2^31, a negative diagonal gives a negative density).
#include "core/density.h"

#include "core/decimal_reader.h"
#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {
constexpr DensityResult kInputError{DensityKind::InputError, 0};
}  // namespace

DensityResult CalculateDensity(std::uint32_t width, std::uint32_t height, const char* diagonalText)
{
    // Each square is exact in 64 bits and loads exactly; their sum rounds
    // once, so even the largest resolutions give the correctly rounded root.
    const std::uint64_t widthSquared = static_cast<std::uint64_t>(width) * width;
    const std::uint64_t heightSquared = static_cast<std::uint64_t>(height) * height;

    ext::Reset();
    if (diagonalText == nullptr || diagonalText[0] == '\0') return kInputError;
    Extended diagonal;
    if (ReadDecimal(diagonalText, &diagonal, kReadDecimalStore) == 0) return kInputError;

    const Extended sumOfSquares = ext::Add(ext::LoadUint64(widthSquared), ext::LoadUint64(heightSquared));
    const Extended quotient = ext::Div(ext::Sqrt(sumOfSquares), diagonal);
    return DensityResult{DensityKind::Density, ext::StoreInt32(quotient)};
}

}  // namespace QUORVEL_CORE_NAMESPACE
