// New values typed into the boxes and a calculation started in each way the
// user can start one; the result box shows the density, or the input error.
#include <ostream>
#include <string>

#include "calculation_cases.h"
#include "control_io.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"
#include "host_command.h"

namespace e2e {
namespace {

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

// The one case table (tests/cases/calculations.tsv), by each way.
TEST_P(CalculationTest, ShowsDensityOfTypedValues)
{
    for (const CalculationCase& c : CalculationCases()) {
        SCOPED_TRACE(::testing::Message() << "width \"" << c.width << "\", height \"" << c.height
                                          << "\", diagonal \"" << c.diagonal << "\"");
        Retype(kIdWidth, Widened(c.width));
        Retype(kIdHeight, Widened(c.height));
        Retype(kIdDiagonal, Widened(c.diagonal));
        StartCalculation(GetParam().start);
        Settle();
        EXPECT_EQ(TextOf(kIdResult), Widened(c.shown));
        // The boxes are left as typed, whatever the outcome.
        EXPECT_EQ(TextOf(kIdDiagonal), Widened(c.diagonal));
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, CalculationTest, ::testing::ValuesIn(kWays),
                         [](const ::testing::TestParamInfo<Way>& way) { return way.param.name; });

}  // namespace
}  // namespace e2e
