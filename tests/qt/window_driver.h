// Drives the calculator window as a user does: key presses, pastes and mouse
// clicks through Qt's event system, and reads back what the widgets show.
#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <ostream>

// QStrings in test failures as their text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

// The window, shown and active, as the program opens it.
std::unique_ptr<QWidget> OpenWindow();

QLineEdit* Box(const QWidget* window, int id);

// One key press per character, whatever the character.
void TypeText(QWidget* widget, const QString& text);
// Empties a box with the keyboard: select all, delete.
void ClearBox(QLineEdit* box);
// Puts the text on the clipboard and presses Ctrl+V.
void PasteText(QWidget* widget, const QString& text);
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickControl(const QWidget* window, int id);

// What a modal message box showed, and what Ctrl+C in it put on the clipboard.
struct MessageBoxSeen {
    bool opened = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString copied;
};

// Runs the action, which is to open a modal message box; reads the box,
// presses Ctrl+C in it and closes it.
MessageBoxSeen WatchMessageBox(const std::function<void()>& action);
