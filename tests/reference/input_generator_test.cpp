// The generated texts reach every branch of the grammar often enough for the
// differential tests to mean something, and the same seed gives the same
// texts.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/reference/input_generator.h"
#include "tests/reference/model_reader.h"
#include "tests/reference/model_scan.h"

namespace reference {
namespace {

constexpr std::uint64_t kSeed = 0x51756F7276656C01u;
constexpr std::size_t kCount = 120000;

const char* const kOutcomeNames[] = {
    "accepted",         "empty",         "stray character",   "no mantissa digit",
    "e before a digit", "19 int digits", "fraction too long", "empty exponent",
    "exponent > 4931"};

TEST(InputGenerator, ReachesEveryRefusalOften)
{
    std::array<int, static_cast<std::size_t>(ScanOutcome::kCount)> counts{};
    for (const std::string& text : GenerateDecimalTexts(kSeed, kCount))
        ++counts[static_cast<std::size_t>(ScanDecimal(text.c_str()).outcome)];
    for (std::size_t i = 0; i < counts.size(); ++i) {
        SCOPED_TRACE(kOutcomeNames[i]);
        EXPECT_GE(counts[i], i == 0 ? 40000 : 150);
    }
}

// Features of accepted texts and of their values.
struct Features {
    int leadingSpaces = 0, negative = 0, leadingZeros = 0, eighteenDigits = 0;
    int fractionPast18 = 0, withExponent = 0, exponentLeadingZeros = 0, nearExponentLimit = 0;
    int zero = 0, denormal = 0, infinite = 0;
};

void Tally(Features& f, const std::string& text, const DecimalScan& scan, const Extended& value)
{
    const std::size_t start = text.find_first_not_of(' ');
    f.leadingSpaces += start > 0;
    f.negative += scan.negative;
    f.leadingZeros += text.find("00") != std::string::npos && scan.integerDigits > 0;
    f.eighteenDigits += scan.integerDigits == kMaxSignificantDigits;
    const std::size_t point = text.find('.');
    const std::size_t marker = text.find_first_of("eE");
    const std::size_t fractionEnd = marker == std::string::npos ? text.size() : marker;
    f.fractionPast18 += point != std::string::npos && fractionEnd - point - 1 > 18;
    f.withExponent += scan.hasExponent;
    if (scan.hasExponent) {
        std::string digits = text.substr(marker + 1);
        if (digits[0] == '+' || digits[0] == '-') digits.erase(0, 1);
        f.exponentLeadingZeros += digits.size() > 1 && digits[0] == '0';
    }
    f.nearExponentLimit += scan.hasExponent && (scan.exponent > 4900 || scan.exponent < -4900);
    const std::uint16_t exponent = SignAndExponentOf(value) & 0x7FFF;
    const bool zero = exponent == 0 && SignificandOf(value) == 0;
    f.zero += zero;
    f.denormal += exponent == 0 && !zero;
    f.infinite += exponent == 0x7FFF;
}

TEST(InputGenerator, ReachesEveryFeatureOfAcceptedTexts)
{
    Features f;
    for (const std::string& text : GenerateDecimalTexts(kSeed, kCount)) {
        const DecimalScan scan = ScanDecimal(text.c_str());
        if (scan.outcome != ScanOutcome::Accepted) continue;
        Tally(f, text, scan, ModelReadDecimal(CorrectlyRoundedModel(), text.c_str()).value);
    }
    EXPECT_GE(f.leadingSpaces, 1000);
    EXPECT_GE(f.negative, 1000);
    EXPECT_GE(f.leadingZeros, 1000);
    EXPECT_GE(f.eighteenDigits, 1000);
    EXPECT_GE(f.fractionPast18, 1000);
    EXPECT_GE(f.withExponent, 1000);
    EXPECT_GE(f.exponentLeadingZeros, 1000);
    EXPECT_GE(f.nearExponentLimit, 1000);
    EXPECT_GE(f.zero, 500);
    EXPECT_GE(f.denormal, 1000);
    EXPECT_GE(f.infinite, 1000);
}

TEST(InputGenerator, SameSeedSameTexts)
{
    EXPECT_EQ(GenerateDecimalTexts(7, 5000), GenerateDecimalTexts(7, 5000));
    EXPECT_NE(GenerateDecimalTexts(7, 5000), GenerateDecimalTexts(8, 5000));
}

}  // namespace
}  // namespace reference
