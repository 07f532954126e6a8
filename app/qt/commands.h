// What the window's commands do: the calculation, the About box and the
// contact notice.
#pragma once

#include <QWidget>

// Reads the width and height as GetDlgItemInt (unsigned) would, the first
// kDiagonalTextLength bytes of the diagonal's UTF-8 text, and writes the
// density ("%d") or the input-error text into the result box.
void Calculate(QWidget* window);

// Modal message boxes over the window.
void ShowAbout(QWidget* window);
void ShowContactNotice(QWidget* window);
