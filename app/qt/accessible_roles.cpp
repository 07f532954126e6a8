#include "app/qt/accessible_roles.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

class RoleInterface : public QAccessibleWidget {
   public:
    RoleInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = role() == QAccessible::Button;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button) names.prepend(pressAction());
        return names;
    }

    // Pressed as the keyboard presses it (app/qt/click_watcher.h).
    void doAction(const QString& name) override
    {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &space);
    }
};

}  // namespace

// In place of the interface Qt's own factory made or would make for it.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
    QAccessible::registerAccessibleInterface(new RoleInterface(widget, role));
}
