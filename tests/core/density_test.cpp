// The density calculation end to end through the reader, on each backend.
// Expected densities: the exact quotient sqrt(w^2 + h^2) / d evaluated in
// 60-digit decimal arithmetic and rounded half to even.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "core/density.h"
#include "tests/support/extended_text.h"

namespace {

constexpr std::int32_t kIndefinite = INT32_MIN;

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
    {1920, 1080, "-5", -441},
    {1920, 1080, "0", kIndefinite},     // infinite quotient
    {0, 0, "0", kIndefinite},           // 0/0
    {1920, 1080, "1e-9", kIndefinite},  // beyond 32 bits
    {1920, 1080, "-0", kIndefinite},    // reads as +0
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

TEST(DensityInputError, EmptyOrRefusedDiagonal)
{
    const char* const diagonals[] = {"", "21,5", "21.5 ", "abc", "1e", "-", nullptr};
    for (const char* diagonal : diagonals) {
        EXPECT_EQ(CalculateDensity(1920, 1080, diagonal).kind, DensityKind::InputError)
            << (diagonal ? diagonal : "(null)");
    }
}

}  // namespace
