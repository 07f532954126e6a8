#include "app/qt/calculator_window.h"

#include <QColor>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVariant>

#include "app/accessible_name.h"
#include "app/dialog_description.h"
#include "app/qt/accessible_roles.h"
#include "app/qt/click_watcher.h"
#include "app/qt/commands.h"
#include "app/qt/stand_in_font.h"
#include "app/qt/ui_text.h"
#include "app/qt/window_flags.h"

namespace {

// Where each control keeps its template id.
constexpr char kIdProperty[] = "quorvelControlId";

// The window icon's sizes (app/qt/CMakeLists.txt): those a title bar and a
// task switcher draw. Launchers take the larger ones from the icon theme;
// handing them to the window too would only slow its opening.
constexpr int kWindowIconSizes[] = {QUORVEL_WINDOW_ICON_SIZES};

QColor ToQColor(ColourRef colour)
{
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

void SetColour(QWidget* widget, QPalette::ColorRole role, ColourRef colour)
{
    if (colour == kDefaultColour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(colour));
    widget->setPalette(palette);
}

QWidget* CreateEdit(const ControlDescription& control, QWidget* window)
{
    const BoxDescription& box = BoxOf(control.id);
    auto* edit = new QLineEdit(UiText(control.text), window);
    if (IsCentred(control)) edit->setAlignment(Qt::AlignCenter);
    if (box.limit != kNoLimit) edit->setMaxLength(box.limit);
    SetColour(edit, QPalette::Base, kEditBackground);
    SetColour(edit, QPalette::Text, box.text);
    edit->setAccessibleName(QString::fromStdString(AccessibleNameOf(box)));
    // Enter in any box runs the calculation, as the default button does.
    QObject::connect(edit, &QLineEdit::returnPressed, window, [window] { Calculate(window); });
    return edit;
}

QWidget* CreateButton(const ControlDescription& control, QWidget* window)
{
    auto* button = new QPushButton(UiText(control.text), window);
    button->setDefault(IsDefaultButton(control));
    // Enter on a focused button presses it, as on the Windows dialog.
    button->setAutoDefault(true);
    if (const CommandDescription<char>* command = FindRow(kCommands, control.id)) {
        QObject::connect(button, &QPushButton::clicked, window,
                         [window, command] { RunCommand(window, *command); });
    }
    return button;
}

QWidget* CreateLabel(const ControlDescription& control, QWidget* window)
{
    auto* label = new QLabel(UiText(control.text), window);
    label->setAlignment((IsCentred(control) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        (IsCentredDown(control) ? Qt::AlignVCenter : Qt::AlignTop));
    // Labels draw over the window's own background.
    label->setAutoFillBackground(false);
    if (const LabelColour* colour = FindRow(kLabelColours, control.id))
        SetColour(label, QPalette::WindowText, colour->text);
    const CommandDescription<char>* command = FindRow(kCommands, control.id);
    if (ReportsClicks(control) && command) {
        label->setCursor(Qt::PointingHandCursor);
        QWidget* stop =
            (new ClickWatcher(label, [window, command] { RunCommand(window, *command); }))->Stop();
        stop->setAccessibleName(label->text());
        SetAccessibleRole(stop, QAccessible::Button);
    }
    return label;
}

QWidget* CreateControl(const ControlDescription& control, QWidget* window)
{
    switch (control.windowClass) {
        case ControlClass::Edit:
            return CreateEdit(control, window);
        case ControlClass::Button:
            return CreateButton(control, window);
        case ControlClass::Static:
            return CreateLabel(control, window);
    }
    return nullptr;
}

// Read as PNG and nothing else: left to guess, Qt's image reader loads every
// image format plugin it has to ask each about the file, which costs more
// than the whole window.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : kWindowIconSizes) {
        QImageReader reader(QStringLiteral(":/quorvel/icon-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// The client area, whose size is known before the window manager adds a frame.
void CentreOnScreen(QWidget* window)
{
    const QRect screen = window->screen()->availableGeometry();
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen));
}

}  // namespace

std::unique_ptr<QWidget> CreateCalculatorWindow()
{
    auto window = std::make_unique<QWidget>(nullptr, kDialogWindowFlags);
    window->setWindowTitle(UiText(kDialog.caption));
    SetAccessibleRole(window.get(), QAccessible::Dialog);
    window->setWindowIcon(ProgramIcon());
    window->setFont(LoadDialogFont());
    SetColour(window.get(), QPalette::Window, kDialogBackground);

    const DialogBaseUnits base = BaseUnitsOf(window->font());
    window->setFixedSize(ToQRect(kDialog.rect, base).size());
    // Created in template order, so Qt's focus chain is the template's tab order.
    for (const ControlDescription& control : kDialogControls) {
        QWidget* widget = CreateControl(control, window.get());
        widget->setProperty(kIdProperty, control.id);
        widget->setGeometry(ToQRect(control.rect, base));
    }
    CentreOnScreen(window.get());

    // The window opens showing the density of the template's own values.
    Calculate(window.get());
    auto* width = static_cast<QLineEdit*>(FindControl(window.get(), IDC_WIDTH));
    width->setFocus();
    width->selectAll();
    return window;
}

QWidget* FindControl(const QWidget* window, int id)
{
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(kIdProperty).toInt() == id) return child;
    }
    MissingId("control in the window", id);
}
