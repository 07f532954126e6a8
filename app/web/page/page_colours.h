// The page's own colours around the dialog's (app/dialog_description.h), the
// way the stylesheet writes a colour, and the darker shades the page switches
// to when the reader asks for more contrast. The stylesheet takes every
// colour it uses from here.
#pragma once

#include <string>

#include "app/dialog_description.h"

constexpr ColourRef kPageBackground = 0xE8E3DF;  // around the window
constexpr ColourRef kText = 0x000000;            // boxes, buttons and messages that keep their own
constexpr ColourRef kCaptionText = 0xFFFFFF;     // on the caption bar and the information icon
constexpr ColourRef kControlBorder = 0x858585;   // 3:1 on the background
constexpr ColourRef kCaptionBar = 0x332A26;      // the icon's bezel
constexpr ColourRef kFocusRing = 0xB45F1A;
// A button's face, top to bottom; under the pointer; pressed.
constexpr ColourRef kButtonFaceTop = 0xFBFBFB;
constexpr ColourRef kButtonFaceBottom = 0xE3E3E3;
constexpr ColourRef kButtonHover = 0xF4F4F4;
constexpr ColourRef kButtonPressed = 0xD9D9D9;
// Over the page behind an open message box: black at a quarter.
constexpr ColourRef kBackdrop = 0x000000;
constexpr int kBackdropPercent = 25;

// WCAG 2.1 AA for normal text.
constexpr double kMinimumContrast = 4.5;

// "#rrggbb", or "#rgb" where that says the same; below full opacity,
// "rgb(r g b / opacity%)".
std::string CssColour(ColourRef colour, int opacityPercent = 100);

// The colour itself if it reaches kMinimumContrast on the background, else
// the lightest shade of it, every channel scaled alike, that does.
ColourRef ContrastingShade(ColourRef text, ColourRef background);
