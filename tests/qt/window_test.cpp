// The Linux window through its real widgets: what it shows on opening, where
// its controls stand, how the keyboard moves through it, what its boxes take,
// what it calculates and what its message boxes say.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <functional>
#include <vector>

#include "app/dialog_description.h"
#include "app/dialog_units.h"
#include "app/qt/calculator_window.h"
#include "calculation_cases.h"
#include "window_driver.h"

namespace {

class WindowTest : public ::testing::Test {
   protected:
    void SetUp() override
    {
        window = OpenWindow();
        ASSERT_NE(window, nullptr);
    }

    QLineEdit* box(int id) const { return Box(window.get(), id); }

    std::unique_ptr<QWidget> window;
};

TEST_F(WindowTest, OpensCentredFixedWithDefaultsCalculatedAndWidthSelected)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_EQ(box(IDC_RESULT)->text(), QStringLiteral("102"));
    EXPECT_EQ(QApplication::focusWidget(), box(IDC_WIDTH));
    EXPECT_EQ(box(IDC_WIDTH)->selectedText(), QStringLiteral("1920"));

    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowIcon().pixmap(32).isNull());

    const QPoint offset =
        window->geometry().center() - window->screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1);
    EXPECT_EQ(QFontInfo(window->font()).family(), QString::fromLatin1(kStandInFontFamily));
}

// Dialog units converted with the font's metrics as the dialog manager does:
// MulDiv(units, average character width, 4) and MulDiv(units, height, 8).
// The page places its controls with the base units the description holds
// for the stand-in: they must be what the font measures.
TEST_F(WindowTest, EveryControlStandsAtItsTemplateRectangle)
{
    const QFontMetrics metrics(window->font());
    EXPECT_EQ(metrics.averageCharWidth(), kStandInBaseUnits.averageCharWidth);
    EXPECT_EQ(metrics.height(), kStandInBaseUnits.charHeight);
    const auto across = [&](int units) {
        return static_cast<int>(std::lround(units * metrics.averageCharWidth() / 4.0));
    };
    const auto down = [&](int units) {
        return static_cast<int>(std::lround(units * metrics.height() / 8.0));
    };
    EXPECT_EQ(window->size(), QSize(across(kDialog.rect.cx), down(kDialog.rect.cy)));
    for (const ControlDescription& control : kDialogControls) {
        SCOPED_TRACE(control.id);
        const QWidget* widget = FindControl(window.get(), control.id);
        const DialogUnitRect& r = control.rect;
        EXPECT_EQ(widget->geometry(), QRect(across(r.x), down(r.y), across(r.cx), down(r.cy)));
    }
}

// The contact line, a label that reports clicks, is the stop after 关于.
TEST_F(WindowTest, TabWalksTheTemplateOrderAndEscLeavesTheWindowOpen)
{
    const int order[] = {IDC_HEIGHT, IDC_DIAGONAL, IDC_CALCULATE, IDC_RESULT,
                         IDC_ABOUT,  IDC_CONTACT,  IDC_WIDTH};
    for (int id : order) {
        PressKey(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(FindControl(window.get(), id)->hasFocus()) << id;
    }
    box(IDC_RESULT)->setText(QStringLiteral("x"));
    PressKey(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(box(IDC_RESULT)->text(), QStringLiteral("x"));
}

// As a screen reader meets them: the window a dialog with its caption, the
// contact line a button that opens a notice.
TEST_F(WindowTest, AnnouncesADialogAndTheContactLineAsAButton)
{
    const QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QString::fromUtf8(kDialog.caption));
    const QWidget* line = FindControl(window.get(), IDC_CONTACT);
    QAccessibleInterface* contact = QAccessible::queryAccessibleInterface(line->focusProxy());
    EXPECT_EQ(contact->role(), QAccessible::Button);
    EXPECT_EQ(contact->text(QAccessible::Name), QString::fromUtf8(ControlOf(IDC_CONTACT).text));
    EXPECT_EQ(contact->rect(), line->rect().translated(line->mapToGlobal(QPoint())));
    EXPECT_TRUE(contact->state().focusable && contact->state().hasPopup);
    EXPECT_TRUE(contact->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

TEST_F(WindowTest, BoxesCarryTheirLabelsAsAccessibleNamesAndTheirColours)
{
    const auto colour = [](ColourRef c) {
        return c == kDefaultColour ? QApplication::palette().color(QPalette::Text)
                                   : QColor(RedOf(c), GreenOf(c), BlueOf(c));
    };
    for (const BoxDescription& row : kBoxes) {
        SCOPED_TRACE(row.id);
        const QString label = qobject_cast<QLabel*>(FindControl(window.get(), row.label))->text();
        const QString name =
            QAccessible::queryAccessibleInterface(box(row.id))->text(QAccessible::Name);
        EXPECT_TRUE(name.startsWith(label)) << name.toStdString();
        EXPECT_EQ(box(row.id)->palette().color(QPalette::Text), colour(row.text));
        EXPECT_EQ(box(row.id)->palette().color(QPalette::Base), colour(kEditBackground));
    }
    EXPECT_NE(QAccessible::queryAccessibleInterface(box(IDC_WIDTH))->text(QAccessible::Name),
              QAccessible::queryAccessibleInterface(box(IDC_HEIGHT))->text(QAccessible::Name));
    const QWidget* contact = FindControl(window.get(), IDC_CONTACT);
    EXPECT_EQ(contact->palette().color(QPalette::WindowText),
              colour(RowOf(kLabelColours, IDC_CONTACT, "label colour").text));
    EXPECT_FALSE(contact->autoFillBackground());
}

// A fifth character is refused whether typed or pasted; any character is
// taken below the limit; the result box takes any length.
TEST_F(WindowTest, FourCharacterLimitWhenTypingAndPasting)
{
    const struct {
        const char* before;  // typed first
        const char* typed;
        const char* pasted;
        const char* kept;
    } rows[] = {
        {"", "12345", "", "1234"},     {"", "", "98765", "9876"},    {"ab", "", "1234", "ab12"},
        {"", "中文xyz", "", "中文xy"}, {"1", "", "\t-2 3", "1\t-2"},
    };
    for (int id : {IDC_WIDTH, IDC_HEIGHT, IDC_DIAGONAL}) {
        for (const auto& row : rows) {
            QLineEdit* edit = box(id);
            ClearBox(edit);
            TypeText(edit, QString::fromUtf8(row.before));
            TypeText(edit, QString::fromUtf8(row.typed));
            if (*row.pasted) PasteText(edit, QString::fromUtf8(row.pasted));
            EXPECT_EQ(edit->text(), QString::fromUtf8(row.kept)) << id << " " << row.kept;
        }
    }
    const QString longText = QStringLiteral("123456789012345");
    ClearBox(box(IDC_RESULT));
    TypeText(box(IDC_RESULT), longText);
    EXPECT_EQ(box(IDC_RESULT)->text(), longText);
}

// The one case table (tests/cases/calculations.tsv), by each way a
// calculation starts: the button, or Enter in any box.
TEST_F(WindowTest, CalculatesOnTheButtonAndOnEnterInEveryBox)
{
    const auto triggers = {IDC_CALCULATE, IDC_WIDTH, IDC_HEIGHT, IDC_DIAGONAL, IDC_RESULT};
    for (const CalculationCase& row : CalculationCases()) {
        for (int trigger : triggers) {
            SCOPED_TRACE(testing::Message() << row.width << "/" << row.height << "/" << row.diagonal
                                            << " by " << trigger);
            const std::pair<int, const std::string&> texts[] = {
                {IDC_WIDTH, row.width}, {IDC_HEIGHT, row.height}, {IDC_DIAGONAL, row.diagonal}};
            for (const auto& [id, text] : texts) {
                ClearBox(box(id));
                TypeText(box(id), QString::fromStdString(text));
            }
            box(IDC_RESULT)->clear();
            if (trigger == IDC_CALCULATE)
                ClickControl(window.get(), IDC_CALCULATE);
            else
                PressKey(box(trigger), Qt::Key_Return);
            EXPECT_EQ(box(IDC_RESULT)->text(), QString::fromStdString(row.shown));
        }
    }
}

// A pasted NUL is a character outside the grammar like any other and never
// ends the text: the diagonal is refused (not read as "12"), a width stops at
// it as at any non-digit (3, not the 30 of a text with the NUL dropped).
TEST_F(WindowTest, PastedNulIsACharacterOutsideTheGrammar)
{
    const struct {
        QString width, height, diagonal;
        const char* shown;
    } rows[] = {
        {QStringLiteral(u"1920"), QStringLiteral(u"1080"), QStringLiteral(u"12\0 3"),
         QUORVEL_INPUT_ERROR_TEXT},
        {QStringLiteral(u"3\0"
                        u"0"),
         QStringLiteral(u"4"), QStringLiteral(u"1"), "5"},
    };
    for (const auto& row : rows) {
        const std::pair<int, QString> texts[] = {
            {IDC_WIDTH, row.width}, {IDC_HEIGHT, row.height}, {IDC_DIAGONAL, row.diagonal}};
        for (const auto& [id, text] : texts) {
            ClearBox(box(id));
            PasteText(box(id), text);
            ASSERT_EQ(box(id)->text(), text.left(kInputLimit));
        }
        ClickControl(window.get(), IDC_CALCULATE);
        EXPECT_EQ(box(IDC_RESULT)->text(), QString::fromUtf8(row.shown)) << row.shown;
    }
}

// Each message box of the commands table, opened by a click and, from a
// label that reports clicks, by Space at its keyboard stop and by a screen
// reader's press action there.
TEST_F(WindowTest, MessageBoxesShowTheirTextsAndCopyThem)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    for (const CommandDescription<char>& command : kCommands) {
        if (command.kind != CommandKind::Message) continue;
        QWidget* control = FindControl(window.get(), command.id);
        if (control->focusProxy()) control = control->focusProxy();
        std::vector<std::function<void()>> openers = {
            [&] { ClickControl(window.get(), command.id); }};
        if (ReportsClicks(ControlOf(command.id))) {
            openers.push_back([control] { PressKey(control, Qt::Key_Space); });
            openers.push_back([control] {
                QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            });
        }
        for (const auto& open : openers) {
            SCOPED_TRACE(command.caption);
            const MessageBoxSeen seen = WatchMessageBox(open);
            ASSERT_TRUE(seen.opened);
            EXPECT_EQ(seen.caption, QString::fromUtf8(command.caption));
            EXPECT_EQ(seen.icon, command.icon == MessageIcon::Information ? QMessageBox::Information
                                                                          : QMessageBox::NoIcon);
            EXPECT_EQ(seen.text, QString::fromUtf8(command.text).replace('\r', '\n'));
            EXPECT_TRUE(seen.copied.contains(seen.text)) << seen.copied.toStdString();
            // Qt's own button text in the user's language (qt6-translations-l10n).
            EXPECT_TRUE(seen.copied.contains(QStringLiteral("确定"))) << seen.copied.toStdString();
        }
    }
}

// A lookup of an id the description or the window does not have stops the
// program and names the id; with a constant id it does not compile
// (tests/description).
TEST(DescriptionLookup, MissingIdStopsTheProgram)
{
    // Fork without exec: a program under qemu-user cannot exec itself again.
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_DEATH(ControlOf(IDC_DIAGONAL + 1000), "no control with id 1112");
    EXPECT_DEATH(BoxOf(IDC_ABOUT), "no box with id 110");
    EXPECT_DEATH(LabelOf(IDC_WIDTH), "no label with id 106");
    EXPECT_DEATH(FindControl(OpenWindow().get(), 1112), "no control in the window with id 1112");
}

}  // namespace
