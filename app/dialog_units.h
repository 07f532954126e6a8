// Dialog units to pixels, and the font that stands for the template's
// Fixedsys where the platform has none: one monospace face with Simplified
// Chinese glyphs, from the Debian package fonts-wqy-microhei. Free of any
// window system: the Linux window measures the stand-in and places its
// controls with these functions, the page's generator writes the same places
// from the base units the stand-in measures (tests/qt holds the two equal).
#pragma once

#include "app/dialog_description.h"

// The face, named here and nowhere else.
inline constexpr char kStandInFontFamily[] = "WenQuanYi Micro Hei Mono";

// The font's base units: a horizontal dialog unit is a quarter of its average
// character width, a vertical unit an eighth of its character height.
struct DialogBaseUnits {
    int averageCharWidth;
    int charHeight;
};

// The stand-in's, at the template's point size and 96 pixels per inch.
constexpr DialogBaseUnits kStandInBaseUnits = {8, 14};

// number * numerator / denominator rounded to the nearest whole number, halves
// away from zero, as Windows' MulDiv rounds; for the template's sizes and
// positions, none of them negative.
constexpr int MulDiv(int number, int numerator, int denominator)
{
    return (2 * number * numerator / denominator + 1) / 2;
}

// The template's point size in CSS pixels, 96 to the inch.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kFontPixels = MulDiv(kDialog.font.points, kPixelsPerInch, kPointsPerInch);

struct PixelRect {
    int left, top, width, height;
};

constexpr PixelRect ToPixels(const DialogUnitRect& rect, DialogBaseUnits base)
{
    const auto across = [base](int units) { return MulDiv(units, base.averageCharWidth, 4); };
    const auto down = [base](int units) { return MulDiv(units, base.charHeight, 8); };
    return {across(rect.x), down(rect.y), across(rect.cx), down(rect.cy)};
}
