// Makes a label that reports clicks act as a button: the action runs on a
// left click, and on Enter or Space sent to it (a screen reader's press
// action, app/qt/accessible_roles.h). Labels have no clicked signal.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QObject>
#include <functional>
#include <utility>

class ClickWatcher : public QObject {
   public:
    ClickWatcher(QLabel* watched, std::function<void()> action)
        : QObject(watched), action_(std::move(action))
    {
        watched->installEventFilter(this);
    }

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // On the press, as a static control with SS_NOTIFY reports its click.
        if ((event->type() == QEvent::MouseButtonPress &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) ||
            (event->type() == QEvent::KeyPress && IsPressKey(static_cast<QKeyEvent*>(event)))) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

   private:
    static bool IsPressKey(const QKeyEvent* key)
    {
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
               key->key() == Qt::Key_Space;
    }

    std::function<void()> action_;
};
