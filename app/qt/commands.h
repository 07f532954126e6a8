// What the window's commands do: the calculation, the About box and the
// contact notice.
#pragma once

#include <QWidget>

// Runs the calculate command shared with the web page (app/calculate_command.h)
// on the boxes' texts and writes its text into the result box.
void Calculate(QWidget* window);

// Modal message boxes over the window.
void ShowAbout(QWidget* window);
void ShowContactNotice(QWidget* window);
