// Dialog units to pixels, as the Windows dialog manager converts them: a
// horizontal unit is a quarter of the dialog font's average character width,
// a vertical unit an eighth of its character height.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>

#include "app/dialog_description.h"

struct DialogBaseUnits {
    int averageCharWidth;
    int charHeight;
};

DialogBaseUnits BaseUnitsOf(const QFontMetrics& metrics);

// Rounded to the nearest pixel, halves away from zero, as MulDiv rounds.
QRect ToPixels(const DialogUnitRect& rect, DialogBaseUnits base);
QSize ToPixels(int cx, int cy, DialogBaseUnits base);
