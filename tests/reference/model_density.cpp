#include "tests/reference/model_density.h"

#include <limits>

#include "tests/reference/extended_mpfr.h"

namespace reference {

namespace {

constexpr std::int32_t kIntegerIndefinite = std::numeric_limits<std::int32_t>::min();

// Each square is exact at 64 bits; their sum is rounded once, so even the
// largest resolutions (where it needs 65 bits) give the nearest Extended.
void SumOfSquares(mpfr_t sum, std::uint32_t width, std::uint32_t height)
{
    Real widthSquared, heightSquared;
    mpfr_set_uj(widthSquared.v, std::uintmax_t{width} * width, MPFR_RNDN);    // exact
    mpfr_set_uj(heightSquared.v, std::uintmax_t{height} * height, MPFR_RNDN);  // exact
    RoundAdd(sum, widthSquared.v, heightSquared.v);
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
    SumOfSquares(sum.v, width, height);
    RoundSqrt(root.v, sum.v);
    SetFromImage(d.v, diagonal.value);
    RoundDiv(quotient.v, root.v, d.v);
    return {DensityKind::Density, ToInt32NearestEven(quotient.v)};
}

}  // namespace reference
