#include "window_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>

#include "app/qt/calculator_window.h"

std::unique_ptr<QWidget> OpenWindow()
{
    auto window = CreateCalculatorWindow();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
    return window;
}

QLineEdit* Box(const QWidget* window, int id)
{
    return qobject_cast<QLineEdit*>(FindControl(window, id));
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        // Printable ASCII has key codes of its own (letters as capitals);
        // anything else arrives as text alone, as from an input method.
        const ushort code = c.toUpper().unicode();
        const auto key = code > 0x20 && code < 0x7F ? Qt::Key(code)
                         : code == 0x20             ? Qt::Key_Space
                                                    : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

void ClearBox(QLineEdit* box)
{
    PressKey(box, Qt::Key_A, Qt::ControlModifier);
    PressKey(box, Qt::Key_Delete);
}

void PasteText(QWidget* widget, const QString& text)
{
    QApplication::clipboard()->setText(text);
    PressKey(widget, Qt::Key_V, Qt::ControlModifier);
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, key, modifiers);
}

void ClickControl(const QWidget* window, int id)
{
    QWidget* control = FindControl(window, id);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

MessageBoxSeen WatchMessageBox(const std::function<void()>& action)
{
    MessageBoxSeen seen;
    QApplication::clipboard()->clear();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Keys reach the box once it is the active window.
        if (!box || !box->isActiveWindow()) return;
        poll.stop();
        seen.opened = true;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        seen.copied = QApplication::clipboard()->text();
        box->done(0);
    });
    poll.start(10);
    // A box that never opens leaves the action returning at once.
    action();
    poll.stop();
    return seen;
}
