// The window the page draws around the dialog's client area: a caption bar
// above it, a border round both and a margin outside, and the size of the
// browser window that shows all of it. The client area is as large as the
// Linux window's (app/dialog_units.h).
#pragma once

#include "app/dialog_units.h"

constexpr int kFrameBorder = 1;
constexpr int kFrameMargin = 24;
constexpr int kCaptionHeight = 24;

constexpr PixelRect kClientArea = ToPixels(kDialog.rect, kStandInBaseUnits);
constexpr int kWindowWidth = kClientArea.width + 2 * kFrameBorder;
constexpr int kViewportWidth = kWindowWidth + 2 * kFrameMargin;
constexpr int kViewportHeight =
    kClientArea.height + kCaptionHeight + 2 * kFrameBorder + 2 * kFrameMargin;

// A touch screen narrower than that window shows the dialog in one column
// (kPhonePlaces in app/dialog_description.h), in CSS pixels.
constexpr int kPhoneMaxWidth = kViewportWidth - 1;
