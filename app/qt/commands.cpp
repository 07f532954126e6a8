#include "app/qt/commands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QShortcut>
#include <QTranslator>

#include "app/calculate_command.h"
#include "app/dialog_description.h"
#include "app/qt/calculator_window.h"
#include "app/qt/ui_text.h"

namespace {

QLineEdit* Box(QWidget* window, int id)
{
    return static_cast<QLineEdit*>(FindControl(window, id));
}

BoxText TextOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<int>(text.size())};
}

// Ctrl+C in a message box copies it the way the Windows message box does:
// caption, text and button between rules.
QString CopyOf(const QMessageBox& box)
{
    const QString rule = QStringLiteral("---------------------------\n");
    return rule + box.windowTitle() + QLatin1Char('\n') + rule + box.text() + QLatin1Char('\n') +
           rule + box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')) + QLatin1Char('\n') +
           rule;
}

// Qt's own texts (the OK button) in the user's language, as the platform's
// message box speaks it on Windows; loaded with the first box, not at start-up.
void TranslateQtTexts()
{
    static QTranslator* translator = nullptr;
    if (translator) return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace

void Calculate(QWidget* window)
{
    const QString width = Box(window, IDC_WIDTH)->text();
    const QString height = Box(window, IDC_HEIGHT)->text();
    const QString diagonal = Box(window, IDC_DIAGONAL)->text();
    const ResultBoxText result = CalculateCommand(TextOf(width), TextOf(height), TextOf(diagonal));
    Box(window, IDC_RESULT)->setText(QString::fromUtf8(result.bytes, result.length));
}

void RunCommand(QWidget* window, const CommandDescription<char>& command)
{
    if (command.kind == CommandKind::Calculate) return Calculate(window);
    TranslateQtTexts();
    const QMessageBox::Icon icon =
        command.icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, UiText(command.caption), UiText(command.text), QMessageBox::Ok, window);
    QObject::connect(new QShortcut(QKeySequence::Copy, &box), &QShortcut::activated, &box,
                     [&box] { QApplication::clipboard()->setText(CopyOf(box)); });
    box.exec();
}
