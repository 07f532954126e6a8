// New values typed into the boxes and a calculation started in each way the
// user can start one; the result box shows the density, or the input error.
#include <ostream>
#include <string>

#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"

namespace e2e {
namespace {

struct Case {
    const wchar_t* width;
    const wchar_t* height;
    const wchar_t* diagonal;
    const wchar_t* shown;
};

// The expected texts are the documented densities of these inputs, or
// √(width² + height²) / diagonal worked out by hand.
constexpr Case kCases[] = {
    {L"2560", L"1440", L"27", L"109"},
    {L"1920", L"1080", L"21.5", L"102"},
    {L"205", L"0", L"2", L"102"},          // 102.5: halfway, to even
    {L"207", L"0", L"2", L"104"},          // 103.5: halfway, to even
    {L"1920", L"1080", L"", kInputError},  // cleared diagonal
    // No display has a diagonal of zero or less, nor a density past 32 bits.
    {L"1920", L"1080", L"-5", kInputError},
    {L"1920", L"1080", L"0", kInputError},
    {L"1920", L"1080", L"-0", kInputError},
    {L"1920", L"1080", L"0.0", kInputError},
    {L"0", L"0", L"0", kInputError},
    {L"1920", L"1080", L"1e-9", kInputError},
    {L"", L"", L"21.5", L"0"},  // cleared width and height
    {L"1920", L"1080", L"21,5", kInputError},
    {L"1920", L"1080", L"1.5 ", kInputError},  // trailing space
    {L"1920", L"1080", L"2e1", L"110"},        // 2202.9 / 20
    {L"abc", L"1080", L"21.5", L"50"},         // width not a number: 0
    {L"-5", L"1080", L"21.5", L"50"},          // 2^32 - 5 squares as -5
    {L"9999", L"9999", L"1", L"14141"},        // 9999·√2
    {L"1920", L"1080", L"21.5", L"102"},       // and back
};

enum class Start { EnterInWidth, EnterInHeight, EnterInDiagonal, CalculateButton, Command };

struct Way {
    Start start;
    const char* name;
};

void PrintTo(const Way& way, std::ostream* out)
{
    *out << way.name;
}

constexpr Way kWays[] = {
    {Start::EnterInWidth, "EnterInWidth"},       {Start::EnterInHeight, "EnterInHeight"},
    {Start::EnterInDiagonal, "EnterInDiagonal"}, {Start::CalculateButton, "CalculateButtonClick"},
    {Start::Command, "CalculateCommand"},
};

class CalculationTest : public DialogTest, public ::testing::WithParamInterface<Way> {
   protected:
    void StartCalculation(Start start) const
    {
        switch (start) {
            case Start::EnterInWidth:
                return PostKey(Control(kIdWidth), VK_RETURN);
            case Start::EnterInHeight:
                return PostKey(Control(kIdHeight), VK_RETURN);
            case Start::EnterInDiagonal:
                return PostKey(Control(kIdDiagonal), VK_RETURN);
            case Start::CalculateButton:
                return PostClick(Control(kIdCalculate));
            case Start::Command:
                return PostCommand(dialog_, kIdCalculate, BN_CLICKED);
        }
    }
};

TEST_P(CalculationTest, ShowsDensityOfTypedValues)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "width \"" << c.width << "\", height \"" << c.height
                                          << "\", diagonal \"" << c.diagonal << "\"");
        Retype(kIdWidth, c.width);
        Retype(kIdHeight, c.height);
        Retype(kIdDiagonal, c.diagonal);
        StartCalculation(GetParam().start);
        Settle();
        EXPECT_EQ(TextOf(kIdResult), c.shown);
        // The boxes are left as typed, whatever the outcome.
        EXPECT_EQ(TextOf(kIdDiagonal), c.diagonal);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, CalculationTest, ::testing::ValuesIn(kWays),
                         [](const ::testing::TestParamInfo<Way>& way) { return way.param.name; });

}  // namespace
}  // namespace e2e
