// The calculator window, built from the dialog's one description
// (app/dialog_description.h): the template's controls in template order,
// which is also the tab order, their colours, limits and commands.
#pragma once

#include <QWidget>
#include <memory>

// The window, laid out and centred on its screen, its defaults calculated,
// the focus in the width box with its text selected; not yet shown.
std::unique_ptr<QWidget> CreateCalculatorWindow();

// The control with a template id (IDC_...); there must be one.
QWidget* FindControl(const QWidget* window, int id);
