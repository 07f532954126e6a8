// The density model on the cases whose outcome follows from the arithmetic
// by hand: rounding ties, diagonals of zero or less, quotients past 32 bits,
// sums of squares past 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/reference/model_density.h"

namespace reference {
namespace {

struct DensityCase {
    const char* why;
    std::uint32_t width;
    std::uint32_t height;
    std::string diagonal;
    DensityKind kind;
    std::int32_t density;
};

constexpr DensityKind kDensity = DensityKind::Density;
constexpr DensityKind kError = DensityKind::InputError;

const DensityCase kDensityCases[] = {
    {"the dialog's defaults", 1920, 1080, "21.5", kDensity, 102},
    {"a tie goes to the even 102", 205, 0, "2", kDensity, 102},
    {"a tie goes to the even 104", 207, 0, "2", kDensity, 104},
    {"no pixels", 0, 0, "5", kDensity, 0},
    {"a negative diagonal", 1920, 1080, "-5", kError, 0},
    {"a zero diagonal", 1920, 1080, "0", kError, 0},
    {"a negative zero", 1920, 1080, "-0", kError, 0},
    {"nothing over nothing", 0, 0, "0", kError, 0},
    {"a quotient past 2^31", 1920, 1080, "1e-9", kError, 0},
    {"an infinite diagonal", 1920, 1080, "12e4931", kDensity, 0},
    {"a sum of squares of 2^31 stays exact", 46341, 0, "1", kDensity, 46341},
    {"the largest sum below 2^31", 46340, 0, "1", kDensity, 46340},
    {"65536 squared is not wrapped to zero", 65536, 0, "1", kDensity, 65536},
    {"a sum of 2^33", 65536, 65536, "0.5", kDensity, 185364},
    // Past 2^31 a width counts as the negative 32-bit integer it wraps to.
    {"\"-5\" as the boxes read it", 4294967291u, 1080, "21.5", kDensity, 50},
    {"\"-904\" as the boxes read it", 4294966392u, 1080, "21.5", kDensity, 66},
    {"\"-1\" as the boxes read it", 4294967295u, 4294967295u, "1", kDensity, 1},
    {"-2^31 squares to 2^62: a quotient of 2^31", 2147483648u, 0, "1", kError, 0},
    {"a sum of 2^63 stays exact", 2147483648u, 2147483648u, "2", kDensity, 1518500250},
    {"a width of 3e9 in a direct call", 3000000000u, 0, "1000", kDensity, 1294967},
    {"a quotient just inside the 32-bit range", 46340, 0, "0.00002158", kDensity, 2147358665},
    {"a quotient just outside it", 46340, 0, "0.0000215", kError, 0},
    {"a denormal diagonal", 1, 0, ".1e-4931", kError, 0},
    {"an empty text", 1920, 1080, "", kError, 0},
    {"a comma", 1920, 1080, "21,5", kError, 0},
    {"a trailing space", 1920, 1080, "21.5 ", kError, 0},
};

TEST(ModelDensity, HandWorkedCases)
{
    for (const DensityCase& c : kDensityCases) {
        SCOPED_TRACE(c.why);
        const DensityResult result =
            ModelDensity(CorrectlyRoundedModel(), c.width, c.height, c.diagonal.c_str());
        ASSERT_EQ(static_cast<int>(result.kind), static_cast<int>(c.kind));
        if (c.kind == kDensity) {
            EXPECT_EQ(result.density, c.density);
        }
    }
}

}  // namespace
}  // namespace reference
