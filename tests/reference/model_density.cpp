#include "tests/reference/model_density.h"

#include <limits>
#include <optional>

#include "tests/reference/extended_mpfr.h"

namespace reference {

namespace {

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

// The quotient rounded to nearest even, when that lands in the signed 32-bit
// range; nothing for NaN, infinities and everything beyond.
std::optional<std::int32_t> ToInt32NearestEven(const mpfr_t q)
{
    if (!mpfr_number_p(q)) return std::nullopt;
    // Anything this large is out of range whatever the rounding.
    if (mpfr_cmpabs_ui(q, 0xFFFFFFFFu) > 0) return std::nullopt;
    Real rounded;
    mpfr_rint(rounded.v, q, MPFR_RNDN);  // below 2^32 in magnitude: exact at 64 bits
    if (mpfr_cmp_si(rounded.v, std::numeric_limits<std::int32_t>::max()) > 0 ||
        mpfr_cmp_si(rounded.v, std::numeric_limits<std::int32_t>::min()) < 0)
        return std::nullopt;
    return static_cast<std::int32_t>(mpfr_get_si(rounded.v, MPFR_RNDN));
}

}  // namespace

ModelDensityReading ModelReadDensity(const ReaderModel& model, std::uint32_t width,
                                     std::uint32_t height, const char* diagonalText)
{
    ModelDensityReading reading{{DensityKind::InputError, 0}, {}, {}};
    const ModelReading diagonal = ModelReadDecimal(model, diagonalText);
    if (!diagonal.accepted) return reading;
    UseExtendedRange();

    Real sum, root, d, quotient;
    SetFromImage(d.v, diagonal.value);
    if (mpfr_sgn(d.v) <= 0) return reading;  // no display is that small
    SumOfSquares(sum.v, width, height);
    RoundSqrt(root.v, sum.v);
    RoundDiv(quotient.v, root.v, d.v);
    const std::optional<std::int32_t> density = ToInt32NearestEven(quotient.v);
    if (!density) return reading;
    return {{DensityKind::Density, *density}, diagonal.value, ImageOf(quotient.v)};
}

DensityResult ModelDensity(const ReaderModel& model, std::uint32_t width, std::uint32_t height,
                           const char* diagonalText)
{
    return ModelReadDensity(model, width, height, diagonalText).result;
}

}  // namespace reference
