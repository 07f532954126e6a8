// The About box behind the About button and the contact notice behind the
// contact line: caption, exact text row by row, icon, and back to the dialog.
#include <regex>
#include <string>
#include <vector>

#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"
#include "message_box_view.h"

namespace e2e {
namespace {

using MessageBoxesTest = DialogTest;

// Rows are separated by a single carriage return, and the text does not end
// with one.
template <size_t N>
std::wstring Joined(const wchar_t* const (&rows)[N])
{
    std::wstring text = rows[0];
    for (size_t i = 1; i < N; ++i) text += std::wstring(L"\r") + rows[i];
    return text;
}

TEST_F(MessageBoxesTest, AboutButtonShowsAboutTextWithInformationIcon)
{
    PostClick(Control(kIdAbout));
    HWND box = WaitForBox(kAboutCaption);
    ASSERT_NE(box, nullptr) << "no box \"关于\" appeared";
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog_);
    EXPECT_EQ(BoxText(box), Joined(kAboutLines));
    // Each single carriage return starts a new row on the screen.
    EXPECT_EQ(RowsShown(box),
              RowsWhenBrokenAt(box, {std::begin(kAboutLines), std::end(kAboutLines)}));
    EXPECT_EQ(StockIconShown(box), IDI_INFORMATION);
    EXPECT_TRUE(DismissBox(box));
    Settle();
    EXPECT_TRUE(IsWindowEnabled(dialog_));
    EXPECT_EQ(TextOf(kIdResult), L"102");
}

// The eighth row: an account number, then the maker's name in parentheses
// (ASCII or full-width).
const std::wregex kMakerRow(L"[0-9]{5,}\\s*[(（][^()（）\\r\\n]+[)）]");

TEST_F(MessageBoxesTest, ContactLineShowsContactNoticeWithoutIcon)
{
    PostCommand(dialog_, kIdContact, STN_CLICKED);
    HWND box = WaitForBox(kContactCaption);
    ASSERT_NE(box, nullptr) << "no box \"你好\" appeared";
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog_);
    const std::wstring text = BoxText(box);
    const std::wstring fixed = Joined(kContactFixedLines) + L"\r";
    ASSERT_EQ(text.substr(0, fixed.size()), fixed);
    const std::wstring makerRow = text.substr(fixed.size());
    EXPECT_TRUE(std::regex_match(makerRow, kMakerRow))
        << "eighth row: " << ::testing::PrintToString(makerRow);
    std::vector<std::wstring> rows(std::begin(kContactFixedLines), std::end(kContactFixedLines));
    rows.push_back(makerRow);
    EXPECT_EQ(RowsShown(box), RowsWhenBrokenAt(box, rows));
    EXPECT_FALSE(ShowsIcon(box));
    EXPECT_TRUE(DismissBox(box));
    Settle();
    EXPECT_TRUE(IsWindowEnabled(dialog_));
}

}  // namespace
}  // namespace e2e
