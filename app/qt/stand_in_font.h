// The font that stands for the template's Fixedsys with the GB2312 character
// set: one monospace face with Simplified Chinese glyphs, from the Debian
// package fonts-wqy-microhei.
#pragma once

#include <QFont>

// The face, named here and nowhere else.
inline constexpr char kStandInFontFamily[] = "WenQuanYi Micro Hei Mono";

// The stand-in at the template's point size. Without it installed, the
// closest monospace font the system offers, and one line on standard error.
QFont LoadDialogFont();
