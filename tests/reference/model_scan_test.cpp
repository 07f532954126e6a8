// The model's grammar: which texts are accepted, why the others are refused,
// and the integers gathered from accepted ones.
#include <gtest/gtest.h>

#include <string>

#include "tests/reference/model_scan.h"

namespace reference {
namespace {

struct OutcomeCase {
    std::string text;
    ScanOutcome outcome;
};

constexpr ScanOutcome kOk = ScanOutcome::Accepted;

const OutcomeCase kOutcomeCases[] = {
    // Spaces, signs and characters outside the grammar.
    {"21.5", kOk},
    {"  7", kOk},
    {"7 ", ScanOutcome::StrayCharacter},
    {"\t7", ScanOutcome::StrayCharacter},
    {"1,5", ScanOutcome::StrayCharacter},
    {"0x10", ScanOutcome::StrayCharacter},
    {"1..2", ScanOutcome::StrayCharacter},
    {"1.2.3", ScanOutcome::StrayCharacter},
    {"--1", ScanOutcome::StrayCharacter},
    {"+-1", ScanOutcome::StrayCharacter},
    {"", ScanOutcome::Empty},
    {"   ", ScanOutcome::Empty},
    {".", ScanOutcome::NoMantissaDigit},
    {"+", ScanOutcome::NoMantissaDigit},
    {"-", ScanOutcome::NoMantissaDigit},
    {"-.", ScanOutcome::NoMantissaDigit},
    {".5", kOk},
    {"5.", kOk},
    {"0.", kOk},
    // Exponents.
    {"1e3", kOk},
    {"1E3", kOk},
    {"1e+3", kOk},
    {"1e-3", kOk},
    {"1e", ScanOutcome::EmptyExponent},
    {"1e+", ScanOutcome::EmptyExponent},
    {"1e-", ScanOutcome::EmptyExponent},
    {"1e1.5", ScanOutcome::StrayCharacter},
    {"1e+-5", ScanOutcome::StrayCharacter},
    {"1.5e2x", ScanOutcome::StrayCharacter},
    {"e5", ScanOutcome::ExponentBeforeDigit},
    {"0e5", ScanOutcome::ExponentBeforeDigit},
    {"00e1", ScanOutcome::ExponentBeforeDigit},
    {"-e5", ScanOutcome::ExponentBeforeDigit},
    {".e5", kOk},
    {"-.e1", kOk},
    {"0.e5", kOk},
    {"0.0e5", kOk},
    {"1e4931", kOk},
    {"1e-4931", kOk},
    {"1e00004931", kOk},
    {"1e4932", ScanOutcome::ExponentTooLarge},
    {"1e-4932", ScanOutcome::ExponentTooLarge},
    {"1e99999", ScanOutcome::ExponentTooLarge},
    {"1e49310", ScanOutcome::ExponentTooLarge},
    {"1e4931x", ScanOutcome::StrayCharacter},
    // Digit limits.
    {"123456789012345678", kOk},
    {"1234567890123456789", ScanOutcome::TooManyIntegerDigits},
    {"1000000000000000000", ScanOutcome::TooManyIntegerDigits},
    {"0000000000000000000001", kOk},
    {"0.123456789012345678", kOk},
    {"0.1234567890123456780000000", kOk},
    {"0.1234567890123456781", ScanOutcome::FractionTooLong},
    {"0.0000000000000000001", ScanOutcome::FractionTooLong},
};

TEST(ModelScan, AcceptsAndRefusesByTheGrammar)
{
    for (const OutcomeCase& c : kOutcomeCases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(static_cast<int>(ScanDecimal(c.text.c_str()).outcome),
                  static_cast<int>(c.outcome));
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
        SCOPED_TRACE("text \"" + c.text + "\"");
        const DecimalScan scan = ScanDecimal(c.text.c_str());
        ASSERT_EQ(static_cast<int>(scan.outcome), static_cast<int>(kOk));
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
