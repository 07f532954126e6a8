// What a screen reader announces for the window and a label that reports
// clicks, as the template means them: a dialog, and a button that opens a
// notice. Qt's own widgets would announce a plain window ("filler") and a
// plain label.
#pragma once

#include <QAccessible>
#include <QWidget>

// The widget announces itself with this role; a button also says it opens a
// popup and answers the press action as a click does.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);
