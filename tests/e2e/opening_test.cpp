// The dialog as it opens: the template's values already calculated, the
// labels in Chinese, and the input boxes limited to four characters.
#include <string>

#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"

namespace e2e {
namespace {

using OpeningTest = DialogTest;

struct Shown {
    int id;
    const wchar_t* text;
};

constexpr Shown kOnOpening[] = {
    {kIdWidth, L"1920"},
    {kIdHeight, L"1080"},
    {kIdDiagonal, L"21.5"},
    {kIdResult, L"102"},
    {kIdLabelResolution, L"屏幕分辨率"},
    {kIdTimes, L"×"},
    {kIdLabelSize, L"屏幕尺寸"},
    {kIdLabelPpi, L"PPI"},
    {kIdCalculate, L"计算"},
    {kIdAbout, L"关于"},
};

TEST_F(OpeningTest, ShowsTemplateValuesWithTheirDensityAlreadyCalculated)
{
    for (const Shown& shown : kOnOpening) {
        SCOPED_TRACE(shown.id);
        EXPECT_EQ(TextOf(shown.id), shown.text);
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
