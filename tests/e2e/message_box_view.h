// Looking into a message box of another process: its text, the rows the text
// takes up on the screen, and its icon.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::wstring BoxText(HWND box);

// How many rows of text the box's text control is high.
int RowsShown(HWND box);

// How many rows the text control would need if a row ended exactly at the end
// of each of `lines`: every line wrapped on its own at the control's width,
// an empty line one row.
int RowsWhenBrokenAt(HWND box, const std::vector<std::wstring>& lines);

// Whether any icon control of the box holds an icon.
bool ShowsIcon(HWND box);

// Which of the platform's stock icons (IDI_…) the box shows, pixel for pixel
// as the platform draws it; waits a little for the box to be drawn. Null if
// none.
LPCWSTR StockIconShown(HWND box);

// Clicks the box's OK button; true once the box is gone.
bool DismissBox(HWND box);

}  // namespace e2e
