// The powers of ten the software backend keeps ready must be exactly what the
// method computes: with the model's own correctly rounded 2^x - 1 installed
// through the test hook, the ready values are bypassed and every power is
// built step by step, so the two must agree bit for bit.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/power_of_ten.h"
#include "core/soft/soft_internal.h"
#include "core/soft/soft_test_hooks.h"
#include "tests/support/extended_text.h"

namespace {

// Wider than any ready range, so every ready value is compared.
constexpr std::int32_t kCheckedPowers = 40;

TEST(ReadyPowersOfTen, EqualThePowersTheMethodBuilds)
{
    for (std::int32_t x = -kCheckedPowers; x <= kCheckedPowers; ++x) {
        const Extended ready = PowerOfTen(x);
        ext::SetTwoToXMinusOneSource(ext::soft::TwoToXMinusOneCorrect);
        const Extended built = PowerOfTen(x);
        ext::SetTwoToXMinusOneSource(nullptr);
        EXPECT_EQ(HexOf(ready), HexOf(built)) << "10^" << x;
    }
}

}  // namespace
