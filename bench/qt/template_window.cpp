// The fair floor of the Linux program's start-up: its window built from the
// dialog's description as the program builds it, the template's controls
// with their texts and places in the stand-in font, but with no calculation,
// no icon, no colours and no commands.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "app/dialog_description.h"
#include "app/qt/stand_in_font.h"
#include "app/qt/ui_text.h"
#include "app/qt/window_flags.h"

namespace {

QWidget* CreateControl(const ControlDescription& control, QWidget* window)
{
    const QString text = UiText(control.text);
    switch (control.windowClass) {
        case ControlClass::Edit:
            return new QLineEdit(text, window);
        case ControlClass::Button:
            return new QPushButton(text, window);
        case ControlClass::Static:
            return new QLabel(text, window);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window(nullptr, kDialogWindowFlags);
    window.setWindowTitle(UiText(kDialog.caption));
    window.setFont(LoadDialogFont());
    const DialogBaseUnits base = BaseUnitsOf(window.font());
    window.setFixedSize(ToQRect(kDialog.rect, base).size());
    for (const ControlDescription& control : kDialogControls) {
        CreateControl(control, &window)->setGeometry(ToQRect(control.rect, base));
    }
    window.show();
    QApplication::exec();
    return 0;
}
