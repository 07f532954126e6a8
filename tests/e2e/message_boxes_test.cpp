// The message boxes behind the controls that open one (app/dialog_description.h).
#include <regex>
#include <string>
#include <vector>

#include "app/win32/wide_texts.h"
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

// The eighth row of the contact notice: an account number, then the maker's
// name in parentheses (ASCII or full-width).
const std::wregex kMakerRow(L"[0-9]{5,}\\s*[(（][^()（）\\r\\n]+[)）]");

// Each message box of the commands table, opened by a click on its button or
// by its label's notification: caption, exact text row by row, icon, owner,
// and back to the dialog.
TEST_F(MessageBoxesTest, EachControlShowsItsMessageBox)
{
    for (const CommandDescription<wchar_t>& command : kWideCommands) {
        if (command.kind != CommandKind::Message) continue;
        SCOPED_TRACE(command.id);
        if (ControlOf(command.id).windowClass == ControlClass::Button)
            PostClick(Control(command.id));
        else
            PostCommand(dialog_, command.id, STN_CLICKED);
        HWND box = WaitForBox(command.caption);
        ASSERT_NE(box, nullptr) << "no box appeared";
        EXPECT_EQ(GetWindow(box, GW_OWNER), dialog_);
        EXPECT_EQ(BoxText(box), command.text);
        // Each single carriage return starts a new row on the screen.
        const std::vector<std::wstring> rows = RowsOf(command.text);
        EXPECT_EQ(RowsShown(box), RowsWhenBrokenAt(box, rows));
        if (command.icon == MessageIcon::Information)
            EXPECT_EQ(StockIconShown(box), IDI_INFORMATION);
        else
            EXPECT_FALSE(ShowsIcon(box));
        if (command.id == kIdContact) {
            ASSERT_EQ(rows.size(), 8u);
            EXPECT_TRUE(std::regex_match(rows.back(), kMakerRow)) << rows.back().size();
        }
        EXPECT_TRUE(DismissBox(box));
        Settle();
        EXPECT_TRUE(IsWindowEnabled(dialog_));
        EXPECT_EQ(TextOf(kIdResult), L"102");
    }
}

}  // namespace
}  // namespace e2e
