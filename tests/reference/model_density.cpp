#include "tests/reference/model_density.h"

#include <limits>

#include "tests/reference/extended_mpfr.h"

namespace reference {

namespace {

constexpr std::int32_t kIntegerIndefinite = std::numeric_limits<std::int32_t>::min();

// Each product and the sum keep their low 32 bits; the result is read as a
// signed integer, so sums of 2^31 and more turn negative.
std::int32_t WrappedSumOfSquares(std::uint32_t width, std::uint32_t height)
{
    const std::uint32_t sum = width * width + height * height;
    return static_cast<std::int32_t>(sum);
}

std::int32_t ToInt32NearestEven(const mpfr_t q)
{
    if (!mpfr_number_p(q)) return kIntegerIndefinite;
    // Anything this large is out of range whatever the rounding.
    if (mpfr_cmpabs_ui(q, 0xFFFFFFFFu) > 0) return kIntegerIndefinite;
    Real rounded;
    mpfr_rint(rounded.v, q, MPFR_RNDN);  // below 2^32 in magnitude: exact at 64 bits
    if (mpfr_cmp_si(rounded.v, std::numeric_limits<std::int32_t>::max()) > 0 ||
        mpfr_cmp_si(rounded.v, kIntegerIndefinite) < 0)
        return kIntegerIndefinite;
    return static_cast<std::int32_t>(mpfr_get_si(rounded.v, MPFR_RNDN));
}

}  // namespace

DensityResult ModelDensity(const ReaderModel& model, std::uint32_t width, std::uint32_t height,
                           const char* diagonalText)
{
    const ModelReading diagonal = ModelReadDecimal(model, diagonalText);
    if (!diagonal.accepted) return {DensityKind::InputError, 0};
    UseExtendedRange();

    Real sum, root, d, quotient;
    mpfr_set_si(sum.v, WrappedSumOfSquares(width, height), MPFR_RNDN);  // exact
    RoundSqrt(root.v, sum.v);                                           // NaN when negative
    SetFromImage(d.v, diagonal.value);
    RoundDiv(quotient.v, root.v, d.v);
    return {DensityKind::Density, ToInt32NearestEven(quotient.v)};
}

}  // namespace reference
