// Comparing what is on the screen with what the platform itself draws.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

using Pixels = std::vector<uint32_t>;  // 0x00RRGGBB, row by row

// The pixels the screen shows inside the window's rectangle.
Pixels CaptureWindowArea(HWND window);

// The platform's own stock icon `id` (IDI_…) drawn at the window's size on a
// plain background.
Pixels DrawStockIconLike(LPCWSTR id, HWND window, uint32_t background);

// The text drawn as a left-aligned static control draws it, in black with
// the font on white, at the window's size.
Pixels DrawTextLike(const wchar_t* text, HFONT font, HWND window);

}  // namespace e2e
