// Generated cases (the dialog stress run's generator) typed and pasted into
// the Linux window, each answer checked against the core. What the boxes
// must keep is worked out from the four-character limit; what the window
// must show from the core on what the boxes keep (ExpectedResult).
#include <gtest/gtest.h>

#include <QPushButton>

#include "app/dialog_description.h"
#include "stress_case.h"
#include "tests/support/expected_result.h"
#include "window_driver.h"

namespace {

QString FromWide(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

int TriggerBox(stress::Trigger trigger)
{
    switch (trigger) {
        case stress::Trigger::EnterInWidth:
            return IDC_WIDTH;
        case stress::Trigger::EnterInHeight:
            return IDC_HEIGHT;
        case stress::Trigger::EnterInDiagonal:
            return IDC_DIAGONAL;
        case stress::Trigger::CalculateButton:
            return IDC_CALCULATE;
    }
    return IDC_CALCULATE;
}

TEST(WindowDifferential, GeneratedCasesAgreeWithTheCore)
{
    const auto window = OpenWindow();
    ASSERT_NE(window, nullptr);
    stress::Random random(QUORVEL_DIFFERENTIAL_SEED);
    int disagreements = 0;
    for (int index = 0; index < QUORVEL_DIFFERENTIAL_CASES; ++index) {
        const stress::StressCase c = stress::GenerateCase(random, index);
        const QString width = FromWide(c.width), height = FromWide(c.height);
        const QString diagonal = FromWide(c.diagonal);
        // Texts the Windows run sets directly are pasted here: a user of this
        // window can only type or paste.
        const std::pair<int, QString> entries[] = {
            {IDC_WIDTH, width}, {IDC_HEIGHT, height}, {IDC_DIAGONAL, diagonal}};
        for (const auto& [id, text] : entries) {
            ClearBox(Box(window.get(), id));
            if (id == IDC_DIAGONAL && c.entry == stress::Entry::Set)
                PasteText(Box(window.get(), id), text);
            else
                TypeText(Box(window.get(), id), text);
        }
        const int trigger = TriggerBox(c.trigger);
        if (trigger == IDC_CALCULATE)
            ClickControl(window.get(), trigger);
        else
            PressKey(Box(window.get(), trigger), Qt::Key_Return);

        const QString keptWidth = width.left(kInputLimit), keptHeight = height.left(kInputLimit);
        const QString keptDiagonal = diagonal.left(kInputLimit);
        const QString shown = Box(window.get(), IDC_RESULT)->text();
        const QString expected =
            QString::fromStdString(ExpectedResult(c.width, c.height, c.diagonal));
        const bool agree = Box(window.get(), IDC_WIDTH)->text() == keptWidth &&
                           Box(window.get(), IDC_HEIGHT)->text() == keptHeight &&
                           Box(window.get(), IDC_DIAGONAL)->text() == keptDiagonal &&
                           shown == expected;
        if (!agree && ++disagreements <= 10) {
            ADD_FAILURE() << "case " << index << " [" << width.toStdString() << "]["
                          << height.toStdString() << "][" << diagonal.toStdString() << "] "
                          << stress::NameOf(c.entry) << " " << stress::NameOf(c.trigger)
                          << ": shown " << shown.toStdString() << ", core "
                          << expected.toStdString();
        }
    }
    EXPECT_EQ(disagreements, 0) << "of " << QUORVEL_DIFFERENTIAL_CASES << " cases";
}

}  // namespace
