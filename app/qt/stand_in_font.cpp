#include "app/qt/stand_in_font.h"

#include <QFontInfo>
#include <cstdio>

#include "app/dialog_description.h"

QFont LoadDialogFont()
{
    QFont font(QString::fromLatin1(kStandInFontFamily), kDialog.font.points);
    font.setStyleHint(QFont::TypeWriter);
    font.setWeight(QFont::Normal);
    const QString found = QFontInfo(font).family();
    if (found.compare(QString::fromLatin1(kStandInFontFamily), Qt::CaseInsensitive) != 0) {
        // Once per process: the dialog loads its font once.
        std::fprintf(stderr, "quorvel: font \"%s\" is not installed; using \"%s\"\n",
                     kStandInFontFamily, found.toUtf8().constData());
    }
    return font;
}
