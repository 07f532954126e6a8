// Makes a label that reports clicks act as a button: the action runs on a
// left click on the label, and on Enter or Space at its keyboard stop, a bare
// widget over the label that takes the focus for it (a label that can take
// the focus itself lays its text out a pixel lower). While the stop has the
// focus, the label's text is underlined. Labels have no clicked signal.
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
    ClickWatcher(QLabel* label, std::function<void()> action)
        : QObject(label), label_(label), stop_(new QWidget(label)), action_(std::move(action))
    {
        stop_->setAttribute(Qt::WA_TransparentForMouseEvents);
        stop_->setFocusPolicy(Qt::TabFocus);
        label->setFocusProxy(stop_);
        label->installEventFilter(this);
        stop_->installEventFilter(this);
    }

    // Where the keyboard and a screen reader reach the label.
    QWidget* Stop() const { return stop_; }

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
        if (watched == label_ && event->type() == QEvent::Resize)
            stop_->setGeometry(label_->rect());
        if (watched == stop_ &&
            (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            QFont font = label_->font();
            font.setUnderline(event->type() == QEvent::FocusIn);
            label_->setFont(font);
        }
        return QObject::eventFilter(watched, event);
    }

   private:
    static bool IsPressKey(const QKeyEvent* key)
    {
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
               key->key() == Qt::Key_Space;
    }

    QLabel* label_;
    QWidget* stop_;
    std::function<void()> action_;
};
