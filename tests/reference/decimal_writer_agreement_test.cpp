// The core's decimal writer against MPFR's own formatting on the hard cases
// (each value, and its neighbours one unit in the last place either side),
// and the details' constants against MPFR.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/decimal_writer.h"
#include "core/display_details.h"
#include "tests/reference/extended_mpfr.h"
#include "tests/reference/model_details.h"

namespace reference {
namespace {

std::string Written(const Extended& value, int decimals)
{
    static char text[kDecimalTextCapacity];
    return std::string(text, static_cast<std::size_t>(WriteDecimal(value, decimals, text)));
}

std::string WrittenMillionths(std::uint64_t millionths, int decimals)
{
    char text[64];
    return std::string(text, static_cast<std::size_t>(WriteMillionths(millionths, decimals, text)));
}

Extended Nearest(const char* decimal)
{
    UseExtendedRange();
    Real x;
    FinishRounding(x.v, mpfr_strtofr(x.v, decimal, nullptr, 10, MPFR_RNDN));
    return ImageOf(x.v);
}

// The values one unit in the last place either side of a value, within its
// binade (the ends of the range are listed on their own).
std::vector<Extended> Neighbours(const Extended& value)
{
    const std::uint64_t significand = SignificandOf(value);
    std::vector<Extended> neighbours;
    if (significand != 0 && significand != ~std::uint64_t{0})
        neighbours.push_back(MakeExtended(SignAndExponentOf(value), significand + 1));
    if ((significand << 1) != 0)
        neighbours.push_back(MakeExtended(SignAndExponentOf(value), significand - 1));
    return neighbours;
}

// Exact ties (0.125, 62.5), the values nearest a boundary, carries that add
// a digit (9.995 -> 10.00), zeros, negatives and the ends of the range.
const char* const kHardDecimals[] = {"0",
                                     "-0",
                                     "0.5",
                                     "1.5",
                                     "2.5",
                                     "62.5",
                                     "0.125",
                                     "0.375",
                                     "-0.125",
                                     "0.0625",
                                     "1.03125",
                                     "9.995",
                                     "99.95",
                                     "9.9999",
                                     "0.99995",
                                     "999999.995",
                                     "0.00005",
                                     "0.005",
                                     "102.455",
                                     "0.24795",
                                     "18446744073709551615",
                                     "18446744073709551616.5",
                                     "4.94065645841246544e-4951",
                                     "1e-4940",
                                     "3.36210314311209350626e-4932",
                                     "1.18973149535723176502e4932",
                                     "1e4931"};

const Extended kRangeEnds[] = {
    MakeExtended(0x7FFE, 0xFFFFFFFFFFFFFFFFu),  // the largest finite
    MakeExtended(0x0000, 0x0000000000000001u),  // the smallest denormal
    MakeExtended(0x0000, 0x7FFFFFFFFFFFFFFFu),  // the largest denormal
    MakeExtended(0x8001, 0x8000000000000000u),  // minus the smallest normal
};

TEST(reference_DecimalWriter, HardCasesMatchMpfr)
{
    std::vector<Extended> values(std::begin(kRangeEnds), std::end(kRangeEnds));
    for (const char* decimal : kHardDecimals) {
        const Extended nearest = Nearest(decimal);
        const std::vector<Extended> neighbours = Neighbours(nearest);
        values.push_back(nearest);
        values.insert(values.end(), neighbours.begin(), neighbours.end());
    }
    for (const Extended& value : values)
        for (int decimals : {0, 1, 2, 4, kMaxDecimals})
            EXPECT_EQ(Written(value, decimals), MpfrDecimal(value, decimals))
                << Describe(value) << " with " << decimals << " decimals";
}

// Ties of the last kept digit go to even; the largest count carries.
TEST(reference_DecimalWriter, MillionthsMatchExactRounding)
{
    for (std::uint64_t millionths :
         {0ull, 5000ull, 15000ull, 2075000ull, 2085000ull, 2074999ull, 999995000ull, 2073600ull,
          4611686018427387904ull, 18446744073709551615ull})
        for (int decimals : {0, 2, 4, 6})
            EXPECT_EQ(WrittenMillionths(millionths, decimals),
                      ExactMillionths(millionths, decimals))
                << millionths << " with " << decimals << " decimals";
}

TEST(reference_DisplayDetails, ConstantsAreTheNearestExtendedValues)
{
    EXPECT_EQ(Describe(kMillimetresPerInch), Describe(ModelMillimetresPerInch()));
    EXPECT_EQ(Describe(kCentimetresPerInch), Describe(ModelCentimetresPerInch()));
    EXPECT_EQ(Describe(kTanOneArcminute), Describe(ModelTanOneArcminute()));
}

}  // namespace
}  // namespace reference
