// PowerOfTen against the model for every exponent the reader can meet, and
// for exponents whose scaling leaves the range.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <limits>

#include "core/power_of_ten.h"
#include "tests/reference/agreement_inputs.h"
#include "tests/reference/extended_mpfr.h"
#include "tests/reference/model_power_of_ten.h"
#include "tests/reference/model_scan.h"

namespace reference {
namespace {

constexpr int kReportedMismatches = 20;

TEST(reference_PowerOfTen, EveryReaderExponentMatchesTheModel)
{
    int mismatches = 0;
    for (std::int32_t x = -kMaxExponent; x <= kMaxExponent; ++x) {
        const Extended library = PowerOfTen(x);
        const Extended& model = PowerOfTenOf(BackendModel(), x);
        if (library == model) continue;
        if (++mismatches > kReportedMismatches) continue;
        ADD_FAILURE() << "10^" << x << ": library " << Describe(library) << ", model "
                      << Describe(model) << " (" << UnitsApart(model, library, 100) << " units)";
    }
    std::cout << "[ " << BackendName() << " ] PowerOfTen: " << 2 * kMaxExponent + 1
              << " exponents, " << mismatches << " disagree\n";
    EXPECT_EQ(mismatches, 0);
}

// Denormals, zero and infinity from the final scaling.
const std::int32_t kBeyondTheRange[] = {std::numeric_limits<std::int32_t>::min(),
                                        -100000,
                                        -5000,
                                        -4951,
                                        -4950,
                                        -4945,
                                        -4940,
                                        -4932,
                                        4932,
                                        4933,
                                        5000,
                                        100000,
                                        std::numeric_limits<std::int32_t>::max()};

TEST(reference_PowerOfTen, ExponentsBeyondTheReadersMatchTheModel)
{
    for (std::int32_t x : kBeyondTheRange) {
        Real model;
        ModelPowerOfTen(model.v, x, BackendModel().twoToXMinusOne);
        EXPECT_EQ(Describe(PowerOfTen(x)), Describe(ImageOf(model.v))) << "10^" << x;
    }
}

}  // namespace
}  // namespace reference
