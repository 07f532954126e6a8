// The dialog as it opens: the template's values already calculated, the
// labels in Chinese, and the input boxes limited to four characters.
#include <string>

#include "app/dialog_description.h"
#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"

namespace e2e {
namespace {

using OpeningTest = DialogTest;

std::wstring Utf16Of(const char* utf8)
{
    wchar_t text[64] = L"";
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text, 64);
    return text;
}

// Every control shows its template text, as the description gives it, but
// the result box, which shows the density of the template's own values.
TEST_F(OpeningTest, ShowsTemplateValuesWithTheirDensityAlreadyCalculated)
{
    for (const ControlDescription& control : kDialogControls) {
        SCOPED_TRACE(control.id);
        const std::wstring expected = control.id == kIdResult ? L"102" : Utf16Of(control.text);
        EXPECT_EQ(TextOf(control.id), expected);
    }
}

struct Typed {
    int id;
    const wchar_t* typed;
    const wchar_t* kept;
};

constexpr Typed kFifthCharacterRefused[] = {
    {kIdWidth, L"12345", L"1234"},
    {kIdHeight, L"98765", L"9876"},
    {kIdDiagonal, L"21.55", L"21.5"},
};

TEST_F(OpeningTest, InputBoxesRefuseAFifthCharacter)
{
    for (const Typed& box : kFifthCharacterRefused) {
        SCOPED_TRACE(box.id);
        Retype(box.id, box.typed);
        Settle();
        EXPECT_EQ(TextOf(box.id), box.kept);
        EXPECT_EQ(SendMessageW(Control(box.id), EM_GETLIMITTEXT, 0, 0), kInputLimit);
    }
}

// The limit an edit box has when nobody set one, as this Wine's user32 gives it.
LRESULT DefaultEditLimit()
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    const LRESULT limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
    DestroyWindow(edit);
    return limit;
}

TEST_F(OpeningTest, ResultBoxHasNoLimitSet)
{
    EXPECT_EQ(SendMessageW(Control(kIdResult), EM_GETLIMITTEXT, 0, 0), DefaultEditLimit());
    Retype(kIdResult, L"12345");
    Settle(kIdWidth);
    EXPECT_EQ(TextOf(kIdResult), L"12345");
}

}  // namespace
}  // namespace e2e
