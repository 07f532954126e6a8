#include "tests/reference/model_density.h"

#include <limits>

#include "tests/reference/extended_mpfr.h"

namespace reference {

namespace {

constexpr std::int32_t kIntegerIndefinite = std::numeric_limits<std::int32_t>::min();

// The width and height as the signed 32-bit integers whose squares the
// dialog's 32-bit arithmetic keeps; the squares and their sum are exact in
// MPFR's integers, whatever their size, with no wrap.
void SumOfSquares(mpfr_t sum, std::uint32_t width, std::uint32_t height)
{
    Real widthSquared, heightSquared;
    mpfr_set_si(widthSquared.v, static_cast<std::int32_t>(width), MPFR_RNDN);
    mpfr_set_si(heightSquared.v, static_cast<std::int32_t>(height), MPFR_RNDN);
    mpfr_sqr(widthSquared.v, widthSquared.v, MPFR_RNDN);  // at most 2^62: exact
    mpfr_sqr(heightSquared.v, heightSquared.v, MPFR_RNDN);
    RoundAdd(sum, widthSquared.v, heightSquared.v);  // at most 2^63: exact at 64 bits
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
