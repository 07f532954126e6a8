// The stand-in for the template's font (app/dialog_units.h) as Qt loads and
// measures it, and dialog units placed with what it measures.
#pragma once

#include <QFont>
#include <QRect>

#include "app/dialog_units.h"

// The stand-in at the template's point size. Without it installed, the
// closest monospace font the system offers, and one line on standard error.
QFont LoadDialogFont();

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Rounded as MulDiv rounds.
QRect ToQRect(const DialogUnitRect& rect, DialogBaseUnits base);
