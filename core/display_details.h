// What the density means: the display's details from the same reading the
// density comes from, each an extended-precision result of a fixed sequence
// of correctly rounded operations (or an exact integer), the same bytes on
// every backend and processor. Written with core/decimal_writer.h.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/density.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

// The display scalings the details list, in percent.
constexpr std::uint32_t kScalePercents[] = {100, 125, 150, 175, 200, 225, 250, 300};
constexpr int kScaleCount = sizeof kScalePercents / sizeof kScalePercents[0];

// The exact constants, each the nearest extended value: 25.4 (millimetres to
// the inch), 2.54 (centimetres to the inch) and tan(1/60 degree), the angle a
// pixel must subtend to be told apart.
constexpr Extended kMillimetresPerInch = MakeExtended(0x4003, 0xCB33333333333333u);
constexpr Extended kCentimetresPerInch = MakeExtended(0x4000, 0xA28F5C28F5C28F5Cu);
constexpr Extended kTanOneArcminute = MakeExtended(0x3FF3, 0x98825B06A7CFB656u);

struct ScaleDetails {
    std::uint32_t percent;
    std::uint32_t width, height;  // floor(w * 100 / percent), floor(h * 100 / percent)
    Extended ppi;                 // P / (percent / 100)
};

// w and h are the width and height magnitudes, d the diagonal and P the
// quotient sqrt(w^2 + h^2) / d (core/density.h). An extended quantity that
// is an infinity or NaN (every one that divides by P = 0; one that overflows
// for a diagonal near the largest extended) is absent: the writer writes no
// digits for it.
struct DisplayDetails {
    DensityResult density;  // an input error: no details at all
    Extended ppiExact;      // P
    Extended dotPitchMm;    // 25.4 / P
    Extended widthIn;       // w / P
    Extended heightIn;      // h / P
    Extended widthCm;       // (2.54 * w) / P
    Extended heightCm;      // (2.54 * h) / P
    Extended diagonalCm;    // 2.54 * d
    // w : h over their greatest common divisor; 0 : 0 (absent) for a side of 0.
    std::uint32_t aspectWidth, aspectHeight;
    std::uint64_t pixels;  // w * h, exact; megapixels are millionths of it
    // The distance beyond which a pixel subtends less than one arcminute,
    // with T = P * tan(1'): 2.54 / T in centimetres, 1 / T in inches.
    Extended retinaDistanceCm;
    Extended retinaDistanceIn;
    ScaleDetails scales[kScaleCount];
};

// The details of the display CalculateDensity(width, height, diagonalText)
// gives the density of. Leaves the floating-point unit re-initialised.
DisplayDetails CalculateDetails(std::uint32_t width, std::uint32_t height,
                                const char* diagonalText);

}  // namespace QUORVEL_CORE_NAMESPACE
