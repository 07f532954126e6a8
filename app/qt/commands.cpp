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

#include "app/dialog_description.h"
#include "app/qt/calculator_window.h"
#include "app/qt/ui_text.h"
#include "app/unsigned_text.h"
#include "core/density.h"

namespace {

QLineEdit* Box(QWidget* window, int id)
{
    return static_cast<QLineEdit*>(FindControl(window, id));
}

std::uint32_t ReadResolution(QWidget* window, int id)
{
    return ReadUnsignedText(Box(window, id)->text().toUtf8().constData());
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

void ShowMessage(QWidget* window, const char* caption, const char* text, QMessageBox::Icon icon)
{
    TranslateQtTexts();
    QMessageBox box(icon, UiText(caption), UiText(text), QMessageBox::Ok, window);
    QObject::connect(new QShortcut(QKeySequence::Copy, &box), &QShortcut::activated, &box,
                     [&box] { QApplication::clipboard()->setText(CopyOf(box)); });
    box.exec();
}

}  // namespace

void Calculate(QWidget* window)
{
    const std::uint32_t width = ReadResolution(window, IDC_WIDTH);
    const std::uint32_t height = ReadResolution(window, IDC_HEIGHT);
    const QByteArray diagonal =
        Box(window, IDC_DIAGONAL)->text().toUtf8().left(kDiagonalTextLength);

    const DensityResult result = CalculateDensity(width, height, diagonal.constData());
    Box(window, IDC_RESULT)
        ->setText(result.kind == DensityKind::InputError ? UiText(QUORVEL_INPUT_ERROR_TEXT)
                                                         : QString::number(result.density));
}

void ShowAbout(QWidget* window)
{
    ShowMessage(window, QUORVEL_ABOUT_CAPTION, QUORVEL_ABOUT_TEXT, QMessageBox::Information);
}

void ShowContactNotice(QWidget* window)
{
    ShowMessage(window, QUORVEL_CONTACT_CAPTION, QUORVEL_CONTACT_NOTICE, QMessageBox::NoIcon);
}
