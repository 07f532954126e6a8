// Colours as the stylesheet writes them, and the darker shades the page
// switches to when the reader asks for more contrast.
#pragma once

#include <string>

#include "app/dialog_description.h"

// The page's own colours around the dialog's: the window background the
// Linux program's palette paints, and the page's frame and focus ring.
constexpr ColourRef kDialogBackground = 0xEFEFEF;
constexpr ColourRef kControlBorder = 0x858585;  // 3:1 on the background
constexpr ColourRef kCaptionBar = 0x332A26;     // the icon's bezel
constexpr ColourRef kFocusRing = 0xB45F1A;

// WCAG 2.1 AA for normal text.
constexpr double kMinimumContrast = 4.5;

// "#rrggbb".
std::string CssColour(ColourRef colour);

// The colour itself if it reaches kMinimumContrast on the background, else
// the lightest shade of it, every channel scaled alike, that does.
ColourRef ContrastingShade(ColourRef text, ColourRef background);
