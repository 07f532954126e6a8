// What the window's commands do: the calculation and the message boxes.
#pragma once

#include <QWidget>

#include "app/dialog_description.h"

// Runs the calculate command shared with the web page (app/calculate_command.h)
// on the boxes' texts and writes its text into the result box.
void Calculate(QWidget* window);

// The control's command from the description: the calculation, or a modal
// message box over the window.
void RunCommand(QWidget* window, const CommandDescription<char>& command);
