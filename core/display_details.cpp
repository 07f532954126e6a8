// Each quantity is one fixed sequence of extended operations on the reading's
// exact inputs, as listed in core/display_details.h; what is an integer stays
// one (pixels, logical resolutions, the reduced aspect ratio).
#include "core/display_details.h"

#include "core/density_reading.h"
#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {

std::uint32_t GreatestCommonDivisor(std::uint32_t a, std::uint32_t b)
{
    while (b != 0) {
        const std::uint32_t rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

// percent / 100 is exact in binary for every scale listed (1, 1.25 ... 3),
// so P / factor rounds once.
ScaleDetails ScaleOf(std::uint32_t percent, const DensityReading& reading)
{
    const std::uint64_t width = std::uint64_t{reading.widthMagnitude} * 100 / percent;
    const std::uint64_t height = std::uint64_t{reading.heightMagnitude} * 100 / percent;
    const Extended factor = ext::Div(ext::LoadUint64(percent), ext::LoadUint64(100));
    return {percent, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
            ext::Div(reading.quotient, factor)};
}

}  // namespace

DisplayDetails CalculateDetails(std::uint32_t width, std::uint32_t height, const char* diagonalText)
{
    const DensityReading reading = ReadDensity(width, height, diagonalText);
    DisplayDetails details{};
    details.density = reading.result;
    if (reading.result.kind != DensityKind::Density) return details;

    const Extended p = reading.quotient;
    const Extended w = ext::LoadUint64(reading.widthMagnitude);
    const Extended h = ext::LoadUint64(reading.heightMagnitude);
    details.ppiExact = p;
    details.dotPitchMm = ext::Div(kMillimetresPerInch, p);
    details.widthIn = ext::Div(w, p);
    details.heightIn = ext::Div(h, p);
    details.widthCm = ext::Div(ext::Mul(kCentimetresPerInch, w), p);
    details.heightCm = ext::Div(ext::Mul(kCentimetresPerInch, h), p);
    details.diagonalCm = ext::Mul(kCentimetresPerInch, reading.diagonal);

    if (reading.widthMagnitude != 0 && reading.heightMagnitude != 0) {
        const std::uint32_t divisor =
            GreatestCommonDivisor(reading.widthMagnitude, reading.heightMagnitude);
        details.aspectWidth = reading.widthMagnitude / divisor;
        details.aspectHeight = reading.heightMagnitude / divisor;
    }
    details.pixels = std::uint64_t{reading.widthMagnitude} * reading.heightMagnitude;

    const Extended subtended = ext::Mul(p, kTanOneArcminute);
    details.retinaDistanceCm = ext::Div(kCentimetresPerInch, subtended);
    details.retinaDistanceIn = ext::Div(ext::LoadUint64(1), subtended);

    for (int i = 0; i < kScaleCount; ++i) details.scales[i] = ScaleOf(kScalePercents[i], reading);
    return details;
}

}  // namespace QUORVEL_CORE_NAMESPACE
