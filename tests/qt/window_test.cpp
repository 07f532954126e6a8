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

#include "app/dialog_description.h"
#include "app/dialog_units.h"
#include "app/qt/calculator_window.h"
#include "res/version.h"
#include "window_driver.h"

namespace {

const QString kInputError = QStringLiteral("输入错误");

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

TEST_F(WindowTest, TabWalksTheTemplateOrderAndEscLeavesTheWindowOpen)
{
    const int order[] = {IDC_HEIGHT, IDC_DIAGONAL, IDC_CALCULATE, IDC_RESULT, IDC_ABOUT, IDC_WIDTH};
    for (int id : order) {
        PressKey(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), FindControl(window.get(), id)) << id;
    }
    box(IDC_RESULT)->setText(QStringLiteral("x"));
    PressKey(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(box(IDC_RESULT)->text(), QStringLiteral("x"));
}

TEST_F(WindowTest, BoxesCarryTheirLabelsAsAccessibleNamesAndTheirColours)
{
    const struct {
        int box;
        int label;
        QColor text;
    } rows[] = {
        {IDC_WIDTH, IDC_LABEL_RESOLUTION, QColor(0, 0, 255)},
        {IDC_HEIGHT, IDC_LABEL_RESOLUTION, QColor(0, 0, 255)},
        {IDC_DIAGONAL, IDC_LABEL_SIZE, QColor(255, 0, 0)},
        {IDC_RESULT, IDC_LABEL_PPI, QApplication::palette().color(QPalette::Text)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        const QString label = qobject_cast<QLabel*>(FindControl(window.get(), row.label))->text();
        const QString name =
            QAccessible::queryAccessibleInterface(box(row.box))->text(QAccessible::Name);
        EXPECT_TRUE(name.startsWith(label)) << name.toStdString();
        EXPECT_EQ(box(row.box)->palette().color(QPalette::Text), row.text);
        EXPECT_EQ(box(row.box)->palette().color(QPalette::Base), QColor(Qt::white));
    }
    EXPECT_NE(QAccessible::queryAccessibleInterface(box(IDC_WIDTH))->text(QAccessible::Name),
              QAccessible::queryAccessibleInterface(box(IDC_HEIGHT))->text(QAccessible::Name));
    const QWidget* contact = FindControl(window.get(), IDC_CONTACT);
    EXPECT_EQ(contact->palette().color(QPalette::WindowText), QColor(123, 189, 255));
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

// The boxes are read as the Windows program reads them: width and height as
// GetDlgItemInt (unsigned) under Wine gives them, the first nine bytes of the
// diagonal. Expected densities are worked out by hand from
// round(sqrt(w^2 + h^2) / d); "-5" reads as 2^32 - 5, which squares as -5.
TEST_F(WindowTest, CalculatesOnTheButtonAndOnEnterInEveryBox)
{
    const struct {
        const char* width;
        const char* height;
        const char* diagonal;
        const char* shown;
    } rows[] = {
        {"2560", "1440", "27", "109"},
        {"1920", "1080", "21.5", "102"},
        {"205", "0", "2", "102"},
        {"207", "0", "2", "104"},
        {"", "", "5", "0"},
        {"1920", "1080", "", "输入错误"},
        {"1920", "1080", "21,5", "输入错误"},
        {"1920", "1080", "0", "输入错误"},
        {"1920", "1080", "-0", "输入错误"},
        {"1920", "1080", "0.0", "输入错误"},
        {"1920", "1080", "-5", "输入错误"},
        {"1920", "1080", "1e-9", "输入错误"},
        {"-5", "1080", "21.5", "50"},
        {"12ab", "5", "1", "13"},
        {"+5", " 12", "1", "13"},
        {"５", "12", "1", "12"},
        {"3000", "4000", "1e3", "5"},
        {"30", "40", "1.0e", "输入错误"},
        {"30", "40", "10中", "输入错误"},
    };
    const auto triggers = {IDC_CALCULATE, IDC_WIDTH, IDC_HEIGHT, IDC_DIAGONAL, IDC_RESULT};
    for (const auto& row : rows) {
        for (int trigger : triggers) {
            SCOPED_TRACE(testing::Message() << row.width << "/" << row.height << "/" << row.diagonal
                                            << " by " << trigger);
            const std::pair<int, const char*> texts[] = {
                {IDC_WIDTH, row.width}, {IDC_HEIGHT, row.height}, {IDC_DIAGONAL, row.diagonal}};
            for (const auto& [id, text] : texts) {
                ClearBox(box(id));
                TypeText(box(id), QString::fromUtf8(text));
            }
            box(IDC_RESULT)->clear();
            if (trigger == IDC_CALCULATE)
                ClickControl(window.get(), IDC_CALCULATE);
            else
                PressKey(box(trigger), Qt::Key_Return);
            EXPECT_EQ(box(IDC_RESULT)->text(), QString::fromUtf8(row.shown));
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
        {QStringLiteral(u"1920"), QStringLiteral(u"1080"), QStringLiteral(u"12\0 3"), "输入错误"},
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

TEST_F(WindowTest, AboutBoxAndContactNoticeShowTheirTextsAndCopyThem)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const struct {
        int control;
        const char* caption;
        QMessageBox::Icon icon;
        int lines;
        const char* firstLine;
    } rows[] = {
        {IDC_ABOUT, "关于", QMessageBox::Information, 7, "Quorvel " QUORVEL_VERSION_SHORT},
        {IDC_CONTACT, "你好", QMessageBox::NoIcon, 8, "对外承接："},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        const MessageBoxSeen seen =
            WatchMessageBox([&] { ClickControl(window.get(), row.control); });
        ASSERT_TRUE(seen.opened);
        EXPECT_EQ(seen.caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(seen.icon, row.icon);
        const QStringList lines = seen.text.split(QLatin1Char('\n'));
        EXPECT_EQ(lines.size(), row.lines);
        EXPECT_EQ(lines.front(), QString::fromUtf8(row.firstLine));
        EXPECT_FALSE(seen.text.contains(QLatin1Char('\r')));
        EXPECT_TRUE(seen.copied.contains(seen.text)) << seen.copied.toStdString();
        // Qt's own button text in the user's language (qt6-translations-l10n).
        EXPECT_TRUE(seen.copied.contains(QStringLiteral("确定"))) << seen.copied.toStdString();
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
    EXPECT_DEATH(FindControl(OpenWindow().get(), 1112), "no control in the window with id 1112");
}

}  // namespace
