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

#include "app/box_names.h"
#include "app/dialog_description.h"
#include "app/qt/click_watcher.h"
#include "app/qt/commands.h"
#include "app/qt/dialog_units.h"
#include "app/qt/stand_in_font.h"
#include "app/qt/ui_text.h"

namespace {

// Where each control keeps its template id.
constexpr char kIdProperty[] = "quorvelControlId";

using CommandFunction = void (*)(QWidget* window);

// The command each clickable control runs, by id.
struct Command {
    int id;
    CommandFunction run;
};

constexpr Command kCommands[] = {
    {IDC_CALCULATE, Calculate},
    {IDC_ABOUT, ShowAbout},
    {IDC_CONTACT, ShowContactNotice},
};

// The window icon's sizes (app/qt/CMakeLists.txt): those a title bar and a
// task switcher draw. Launchers take the larger ones from the icon theme;
// handing them to the window too would only slow its opening.
constexpr int kWindowIconSizes[] = {QUORVEL_WINDOW_ICON_SIZES};

CommandFunction CommandOf(int id)
{
    for (const Command& command : kCommands) {
        if (command.id == id) return command.run;
    }
    return nullptr;
}

template <std::size_t N>
const ControlTextColour* FindTextColour(const ControlTextColour (&table)[N], int id)
{
    for (const ControlTextColour& entry : table) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

QColor ToQColor(ColourRef colour)
{
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

bool IsLimited(int id)
{
    for (int limited : kLimitedEdits) {
        if (limited == id) return true;
    }
    return false;
}

QWidget* CreateEdit(const ControlDescription& control, QWidget* window)
{
    auto* edit = new QLineEdit(UiText(control.text), window);
    if (control.style & kEsCenter) edit->setAlignment(Qt::AlignCenter);
    if (IsLimited(control.id)) edit->setMaxLength(kInputLimit);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ToQColor(kEditBackground));
    if (const ControlTextColour* colour = FindTextColour(kEditTextColours, control.id)) {
        palette.setColor(QPalette::Text, ToQColor(colour->text));
    }
    edit->setPalette(palette);
    // Enter in any box runs the calculation, as the default button does.
    QObject::connect(edit, &QLineEdit::returnPressed, window, [window] { Calculate(window); });
    return edit;
}

QWidget* CreateButton(const ControlDescription& control, QWidget* window)
{
    auto* button = new QPushButton(UiText(control.text), window);
    button->setDefault((control.style & kBsTypeMask) == kBsDefPushButton);
    // Enter on a focused button presses it, as on the Windows dialog.
    button->setAutoDefault(true);
    if (auto run = CommandOf(control.id)) {
        QObject::connect(button, &QPushButton::clicked, window, [window, run] { run(window); });
    }
    return button;
}

QWidget* CreateLabel(const ControlDescription& control, QWidget* window)
{
    auto* label = new QLabel(UiText(control.text), window);
    const Qt::Alignment across =
        (control.style & kSsTypeMask) == kSsCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(across |
                        (control.style & kSsCenterImage ? Qt::AlignVCenter : Qt::AlignTop));
    // Labels draw over the window's own background.
    label->setAutoFillBackground(false);
    if (const ControlTextColour* colour = FindTextColour(kStaticTextColours, control.id)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ToQColor(colour->text));
        label->setPalette(palette);
    }
    if (control.style & kSsNotify) {
        label->setCursor(Qt::PointingHandCursor);
        if (auto run = CommandOf(control.id))
            new ClickWatcher(label, [window, run] { run(window); });
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

QString TextOf(int id)
{
    for (const ControlDescription& control : kDialogControls) {
        if (control.id == id) return UiText(control.text);
    }
    return {};
}

void NameBoxes(QWidget* window)
{
    for (const BoxName& name : kBoxNames) {
        QString text = TextOf(name.label);
        if (name.detail) text += QLatin1Char(' ') + UiText(name.detail);
        FindControl(window, name.box)->setAccessibleName(text);
    }
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
    auto window = std::make_unique<QWidget>(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint);
    window->setWindowTitle(UiText(kDialog.caption));
    window->setWindowIcon(ProgramIcon());
    window->setFont(LoadDialogFont());

    const DialogBaseUnits base = BaseUnitsOf(QFontMetrics(window->font()));
    window->setFixedSize(ToPixels(kDialog.rect.cx, kDialog.rect.cy, base));
    // Created in template order, so Qt's focus chain is the template's tab order.
    for (const ControlDescription& control : kDialogControls) {
        QWidget* widget = CreateControl(control, window.get());
        widget->setProperty(kIdProperty, control.id);
        widget->setGeometry(ToPixels(control.rect, base));
    }
    NameBoxes(window.get());
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
    return nullptr;
}
