// The density calculation end to end through the reader, on each backend.
// Expected densities: the exact quotient sqrt(w^2 + h^2) / d evaluated in
// 60-digit decimal arithmetic and rounded half to even.
#include <gtest/gtest.h>

#include <ostream>

#include "core/density.h"
#include "tests/support/extended_text.h"

namespace {

struct DensityCase {
    std::uint32_t width;
    std::uint32_t height;
    const char* diagonal;
    std::int32_t density;
};

const DensityCase kDensities[] = {
    {1920, 1080, "21.5", 102},
    {2560, 1440, "27", 109},
    {205, 0, "2", 102},  // 102.5: ties go to even
    {207, 0, "2", 104},  // 103.5
    {0, 0, "21.5", 0},
    {9999, 9999, "  .1e1", 14141},
    {3000, 4000, "0.001", 5000000},
    {1920, 1080, "12e4931", 0},  // infinite diagonal
    // Sums of squares past 32 bits, reachable only by direct calls: exact.
    {50000, 0, "10", 5000},
    {65536, 65536, "1", 92682},
    // Past 2^31 a width or height is the negative integer it wraps to, as
    // the boxes read "-5", "-904" and "-1".
    {4294967291u, 1080, "21.5", 50},
    {4294966392u, 1080, "21.5", 66},
    {4294967295u, 4294967295u, "1", 1},
    {2147483648u, 2147483648u, "2", 1518500250},  // 2^63, exact
    {3000000000u, 0, "1000", 1294967},
};

void PrintTo(const DensityCase& c, std::ostream* out)
{
    *out << c.width << "x" << c.height << " at " << Quoted(c.diagonal);
}

class DensityTest : public testing::TestWithParam<DensityCase> {};

TEST_P(DensityTest, RoundsTheQuotient)
{
    const DensityCase& c = GetParam();
    const DensityResult r = CalculateDensity(c.width, c.height, c.diagonal);
    ASSERT_EQ(r.kind, DensityKind::Density);
    EXPECT_EQ(r.density, c.density);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, DensityTest, testing::ValuesIn(kDensities));

// Texts the reader refuses, diagonals of zero or less, and quotients that do
// not round into the 32-bit range.
TEST(DensityInputError, NoDensityToShow)
{
    const DensityCase errors[] = {
        {1920, 1080, ""},   {1920, 1080, "21,5"}, {1920, 1080, "21.5 "}, {1920, 1080, "abc"},
        {1920, 1080, "1e"}, {1920, 1080, "-"},    {1920, 1080, nullptr}, {1920, 1080, "0"},
        {1920, 1080, "-0"}, {1920, 1080, "0.0"},  {0, 0, "0"},           {1920, 1080, "-5"},
        {1, 0, "-99e4931"}, {1920, 1080, "1e-9"}, {2147483648u, 0, "1"},  // 2^31
        {1, 0, ".1e-4931"},                                               // a denormal diagonal
    };
    for (const DensityCase& c : errors) {
        EXPECT_EQ(CalculateDensity(c.width, c.height, c.diagonal).kind, DensityKind::InputError)
            << c.width << "x" << c.height << " at " << Quoted(c.diagonal);
    }
}

}  // namespace
