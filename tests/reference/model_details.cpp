#include "tests/reference/model_details.h"

#include <cstdlib>
#include <numeric>

#include "app/details_text.h"
#include "tests/reference/extended_mpfr.h"
#include "tests/reference/model_density.h"

namespace reference {

namespace {

constexpr mpfr_prec_t kWorkingPrecision = 256;

Extended ConstantOf(const char* decimal)
{
    Real x;
    mpfr_set_str(x.v, decimal, 10, MPFR_RNDN);
    return ImageOf(x.v);
}

// One operation of the core's, rounded once: a / b or a * b.
Extended Rounded(void (*operation)(mpfr_t, const mpfr_t, const mpfr_t), const Extended& a,
                 const Extended& b)
{
    Real x, y, r;
    SetFromImage(x.v, a);
    SetFromImage(y.v, b);
    operation(r.v, x.v, y.v);
    return ImageOf(r.v);
}

Extended Divided(const Extended& a, const Extended& b)
{
    return Rounded(RoundDiv, a, b);
}

Extended Multiplied(const Extended& a, const Extended& b)
{
    return Rounded(RoundMul, a, b);
}

Extended Whole(std::uint64_t value)
{
    Real x;
    mpfr_set_uj(x.v, value, MPFR_RNDN);  // 64 bits: exact
    return ImageOf(x.v);
}

std::uint32_t Magnitude(std::uint32_t pixels)
{
    return static_cast<std::uint32_t>(std::llabs(static_cast<std::int32_t>(pixels)));
}

bool Finite(const Extended& value)
{
    return (SignAndExponentOf(value) & kExtendedMaxExponent) != kExtendedMaxExponent;
}

}  // namespace

std::string ExactMillionths(std::uint64_t pixels, int decimals)
{
    mpz_t n, q, r, divisor;
    mpz_inits(n, q, r, divisor, nullptr);
    mpz_import(n, 1, -1, sizeof pixels, 0, 0, &pixels);
    mpz_ui_pow_ui(divisor, 10, static_cast<unsigned long>(6 - decimals));
    mpz_fdiv_qr(q, r, n, divisor);
    mpz_mul_2exp(r, r, 1);
    const int beyondHalf = mpz_cmp(r, divisor);
    if (beyondHalf > 0 || (beyondHalf == 0 && mpz_odd_p(q))) mpz_add_ui(q, q, 1);
    char* text = mpz_get_str(nullptr, 10, q);
    std::string digits = text;
    std::free(text);
    mpz_clears(n, q, r, divisor, nullptr);
    while (static_cast<int>(digits.size()) <= decimals) digits.insert(0, "0");
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    return decimals == 0 ? digits : digits.substr(0, point) + "." + digits.substr(point);
}

Extended ModelMillimetresPerInch()
{
    UseExtendedRange();
    return ConstantOf("25.4");
}

Extended ModelCentimetresPerInch()
{
    UseExtendedRange();
    return ConstantOf("2.54");
}

Extended ModelTanOneArcminute()
{
    UseExtendedRange();
    mpfr_t angle;
    mpfr_init2(angle, kWorkingPrecision);
    mpfr_const_pi(angle, MPFR_RNDN);
    mpfr_div_ui(angle, angle, 10800, MPFR_RNDN);
    mpfr_tan(angle, angle, MPFR_RNDN);
    Real tangent;
    mpfr_set(tangent.v, angle, MPFR_RNDN);
    mpfr_clear(angle);
    return ImageOf(tangent.v);
}

DisplayDetails ModelDetails(const ReaderModel& model, std::uint32_t width, std::uint32_t height,
                            const char* diagonalText)
{
    DisplayDetails details{};
    const ModelDensityReading reading = ModelReadDensity(model, width, height, diagonalText);
    details.density = reading.result;
    if (reading.result.kind != DensityKind::Density) return details;

    const std::uint32_t w = Magnitude(width), h = Magnitude(height);
    const Extended p = reading.quotient;
    const Extended inch = ModelCentimetresPerInch();
    details.ppiExact = p;
    details.dotPitchMm = Divided(ModelMillimetresPerInch(), p);
    details.widthIn = Divided(Whole(w), p);
    details.heightIn = Divided(Whole(h), p);
    details.widthCm = Divided(Multiplied(inch, Whole(w)), p);
    details.heightCm = Divided(Multiplied(inch, Whole(h)), p);
    details.diagonalCm = Multiplied(inch, reading.diagonal);
    if (w != 0 && h != 0) {
        details.aspectWidth = w / std::gcd(w, h);
        details.aspectHeight = h / std::gcd(w, h);
    }
    details.pixels = std::uint64_t{w} * h;
    const Extended subtended = Multiplied(p, ModelTanOneArcminute());
    details.retinaDistanceCm = Divided(inch, subtended);
    details.retinaDistanceIn = Divided(Whole(1), subtended);
    for (int i = 0; i < kScaleCount; ++i) {
        const std::uint32_t percent = kScalePercents[i];
        details.scales[i] = {percent, static_cast<std::uint32_t>(std::uint64_t{w} * 100 / percent),
                             static_cast<std::uint32_t>(std::uint64_t{h} * 100 / percent),
                             Divided(p, Divided(Whole(percent), Whole(100)))};
    }
    return details;
}

std::string MpfrDecimal(const Extended& value, int decimals)
{
    if (!Finite(value)) return "";
    UseExtendedRange();
    Real x;
    SetFromImage(x.v, value);
    char* text = nullptr;
    if (mpfr_asprintf(&text, "%.*RNf", decimals, x.v) < 0) std::abort();
    std::string written = text;
    mpfr_free_str(text);
    return written;
}

std::string ModelDetailsJson(const DisplayDetails& details)
{
    if (details.density.kind != DensityKind::Density)
        return "{\"error\": \"" QUORVEL_INPUT_ERROR_TEXT "\"}";
    std::string json;
    for (const DetailRow& row : kDetailRows) {
        std::string value;
        switch (row.kind) {
            case DetailKind::Density:
                value = std::to_string(details.density.density);
                break;
            case DetailKind::Quantity:
                value = MpfrDecimal(details.*row.quantity, row.decimals);
                break;
            case DetailKind::AspectRatio:
                if (details.aspectWidth != 0)
                    value = "\"" + std::to_string(details.aspectWidth) + ":" +
                            std::to_string(details.aspectHeight) + "\"";
                break;
            case DetailKind::Pixels:
                value = std::to_string(details.pixels);
                break;
            case DetailKind::Megapixels:
                value = ExactMillionths(details.pixels, row.decimals);
                break;
            case DetailKind::Scales:
                for (const ScaleDetails& scale : details.scales)
                    value += std::string(value.empty() ? "[" : ", ") +
                             "{\"percent\": " + std::to_string(scale.percent) +
                             ", \"width\": " + std::to_string(scale.width) +
                             ", \"height\": " + std::to_string(scale.height) +
                             ", \"ppi\": " + MpfrDecimal(scale.ppi, row.decimals) + "}";
                value += "]";
                break;
        }
        if (value.empty()) continue;  // absent
        json += (json.empty() ? "{\"" : ", \"") + std::string(row.key) + "\": " + value;
    }
    return json + "}";
}

}  // namespace reference
