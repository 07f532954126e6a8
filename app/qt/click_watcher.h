// Runs an action when the watched widget is clicked with the left button:
// the contact line is a label, and labels have no clicked signal.
#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <functional>
#include <utility>

class ClickWatcher : public QObject {
   public:
    ClickWatcher(QObject* watched, std::function<void()> action)
        : QObject(watched), action_(std::move(action))
    {
        watched->installEventFilter(this);
    }

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // On the press, as a static control with SS_NOTIFY reports its click.
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

   private:
    std::function<void()> action_;
};
