// The dialog's texts as Qt shows them: the one UTF-8 source, with its
// carriage-return line breaks turned into the line feeds Qt breaks lines at.
#pragma once

#include <QString>

inline QString UiText(const char* utf8)
{
    return QString::fromUtf8(utf8).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
