// The model's grammar: which texts are accepted, why the others are refused,
// and the integers gathered from accepted ones.
#include <gtest/gtest.h>

#include <string>

#include "tests/reference/model_scan.h"
#include "tests/support/extended_text.h"
#include "tests/support/grammar_cases.h"

namespace reference {
namespace {

TEST(ModelScan, AcceptsAndRefusesByTheGrammar)
{
    for (const GrammarCase& c : kGrammarCases) {
        SCOPED_TRACE("text " + Quoted(c.text));
        EXPECT_EQ(static_cast<int>(ScanDecimal(c.text).outcome),
                  static_cast<int>(c.verdict));
    }
}

struct GatherCase {
    std::string text;
    bool negative;
    int integerDigits;
    std::uint64_t integer;
    std::uint64_t fraction;
    bool hasExponent;
    int exponent;
};

const GatherCase kGatherCases[] = {
    {"21.5", false, 2, 21, 500000000000000000u, false, 0},
    {"-0012.0500e-3", true, 2, 12, 50000000000000000u, true, -3},
    {"-0", true, 0, 0, 0, false, 0},
    {"-.5", true, 0, 0, 500000000000000000u, false, 0},
    {"000000000000000000000001", false, 1, 1, 0, false, 0},
    {"999999999999999999", false, 18, 999999999999999999u, 0, false, 0},
    {".000000000000000001e-4931", false, 0, 0, 1, true, -4931},
    {"5.e+00002", false, 1, 5, 0, true, 2},
    {"7e-0", false, 1, 7, 0, true, 0},
};

TEST(ModelScan, GathersIntegerFractionAndExponent)
{
    for (const GatherCase& c : kGatherCases) {
        SCOPED_TRACE("text " + Quoted(c.text.c_str()));
        const DecimalScan scan = ScanDecimal(c.text.c_str());
        ASSERT_EQ(static_cast<int>(scan.outcome), static_cast<int>(ScanOutcome::Accepted));
        EXPECT_EQ(scan.negative, c.negative);
        EXPECT_EQ(scan.integerDigits, c.integerDigits);
        EXPECT_EQ(scan.integer, c.integer);
        EXPECT_EQ(scan.fraction, c.fraction);
        EXPECT_EQ(scan.hasExponent, c.hasExponent);
        EXPECT_EQ(scan.exponent, c.exponent);
    }
}

}  // namespace
}  // namespace reference
