// Dialog units to CSS pixels, with the base units the Linux program measures
// on its stand-in font at the template's 9 points: 8 pixels average width and
// 14 pixels height. A horizontal unit is a quarter of the width, a vertical
// unit an eighth of the height, rounded to the nearest pixel as MulDiv and the
// Linux window round them, so the page puts every control where Linux does.
#pragma once

#include "app/dialog_description.h"

struct PixelRect {
    int left, top, width, height;
};

constexpr int kBaseUnitWidth = 8;
constexpr int kBaseUnitHeight = 14;
// The stand-in font's CSS size that gives those base units: 9 points at 96
// pixels per inch.
constexpr int kFontPixels = 12;

// units * base / divisor, halves rounded up; the template has no negative
// positions or sizes.
constexpr int ScaleUnits(int units, int base, int divisor)
{
    return (2 * units * base / divisor + 1) / 2;
}

constexpr int Across(int units)
{
    return ScaleUnits(units, kBaseUnitWidth, 4);
}
constexpr int Down(int units)
{
    return ScaleUnits(units, kBaseUnitHeight, 8);
}

constexpr PixelRect ToPixels(const DialogUnitRect& rect)
{
    return {Across(rect.x), Down(rect.y), Across(rect.cx), Down(rect.cy)};
}
