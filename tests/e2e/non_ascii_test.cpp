// The calculation reads the first nine characters of the diagonal box, and
// any character outside ASCII among them is an input error, under every
// locale: no code page's best fit may turn one into its ASCII look-alike
// (fullwidth "２１" into "21"), nor a double-byte code page change the count.
#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"

namespace e2e {
namespace {

using NonAsciiTest = DialogTest;

struct Case {
    const wchar_t* diagonal;  // set whole, past the four-character limit of typing
    const wchar_t* shown;
};

constexpr Case kCases[] = {
    {L"\uFF21", kInputError},               // Ａ, fullwidth A
    {L"\u4E2D", kInputError},               // 中
    {L"\uFF12\uFF11.\uFF15", kInputError},  // ２１.５
    {L"21.5\u00A0", kInputError},           // a no-break space after it
    {L"21.5000\u4E2D", kInputError},        // the eighth character
    {L"21.50000\u4E2D", kInputError},       // the ninth
    {L"21.500000\u4E2D", L"102"},           // the tenth is not read
    {L"21.500000\uFF21\uFF21", L"102"},     // nor anything after it
    {L"21.5", L"102"},                      // and back
};

TEST_F(NonAsciiTest, AnyCharacterOutsideAsciiInTheFirstNineIsAnInputError)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.diagonal)));
        SetText(Control(kIdDiagonal), c.diagonal);
        PostCommand(dialog_, kIdCalculate, BN_CLICKED);
        Settle();
        EXPECT_EQ(TextOf(kIdResult), c.shown);
    }
}

}  // namespace
}  // namespace e2e
