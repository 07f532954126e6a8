#include "app/qt/stand_in_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <cstdio>

QFont LoadDialogFont()
{
    const QString family = QString::fromLatin1(kStandInFontFamily);
    QFont font(family, kDialog.font.points);
    if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0) return font;

    // The system's own monospace font is the closest to a missing one. Said
    // once per process: the window loads its font once.
    QFont closest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    closest.setPointSize(kDialog.font.points);
    std::fprintf(stderr, "quorvel: font \"%s\" is not installed; using \"%s\"\n",
                 kStandInFontFamily, QFontInfo(closest).family().toUtf8().constData());
    return closest;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    return {metrics.averageCharWidth(), metrics.height()};
}

QRect ToQRect(const DialogUnitRect& rect, DialogBaseUnits base)
{
    const PixelRect pixels = ToPixels(rect, base);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}
