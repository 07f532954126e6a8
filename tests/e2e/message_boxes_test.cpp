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
std::vector<std::wstring> RowsOf(const std::wstring& text)
{
    std::vector<std::wstring> rows;
    for (size_t start = 0;;) {
        const size_t end = text.find(L'\r', start);
        rows.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos) return rows;
        start = end + 1;
    }
}

TEST_F(MessageBoxesTest, AboutButtonShowsAboutTextWithInformationIcon)
{
    PostClick(Control(kIdAbout));
    HWND box = WaitForBox(kAboutCaption);
    ASSERT_NE(box, nullptr) << "no box \"关于\" appeared";
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog_);
    EXPECT_EQ(BoxText(box), kAboutText);
    // Each single carriage return starts a new row on the screen.
    EXPECT_EQ(RowsShown(box), RowsWhenBrokenAt(box, RowsOf(kAboutText)));
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
    EXPECT_EQ(BoxText(box), kContactNotice);
    const std::vector<std::wstring> rows = RowsOf(kContactNotice);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_TRUE(std::regex_match(rows.back(), kMakerRow))
        << "eighth row: " << ::testing::PrintToString(rows.back());
    EXPECT_EQ(RowsShown(box), RowsWhenBrokenAt(box, rows));
    EXPECT_FALSE(ShowsIcon(box));
    EXPECT_TRUE(DismissBox(box));
    Settle();
    EXPECT_TRUE(IsWindowEnabled(dialog_));
}

}  // namespace
}  // namespace e2e
