#include "app/qt/dialog_units.h"

namespace {

constexpr int kHorizontalDivisor = 4;
constexpr int kVerticalDivisor = 8;

// units * base / divisor, rounded to the nearest whole number; the template
// has no negative positions or sizes.
int Scale(int units, int base, int divisor)
{
    return (2 * units * base / divisor + 1) / 2;
}

int Across(int units, DialogBaseUnits base)
{
    return Scale(units, base.averageCharWidth, kHorizontalDivisor);
}

int Down(int units, DialogBaseUnits base)
{
    return Scale(units, base.charHeight, kVerticalDivisor);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFontMetrics& metrics)
{
    return {metrics.averageCharWidth(), metrics.height()};
}

QRect ToPixels(const DialogUnitRect& rect, DialogBaseUnits base)
{
    return {Across(rect.x, base), Down(rect.y, base), Across(rect.cx, base), Down(rect.cy, base)};
}

QSize ToPixels(int cx, int cy, DialogBaseUnits base)
{
    return {Across(cx, base), Down(cy, base)};
}
