// The 128-bit primitives against the host compiler's own unsigned __int128
// (available to this native test, never to the core).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/soft/uint128.h"

namespace {

using ext::soft::Uint128;
using Wide = unsigned __int128;

Wide ToWide(Uint128 a)
{
    return (static_cast<Wide>(a.hi) << 64) | a.lo;
}

// Random words with long runs of ones and zeros, where carries travel far.
std::uint64_t Word(std::mt19937_64& rng)
{
    switch (rng() % 4) {
        case 0:
            return ~std::uint64_t{0} >> (rng() % 64);
        case 1:
            return ~std::uint64_t{0} << (rng() % 64);
        default:
            return rng();
    }
}

TEST(Uint128, ArithmeticAndShiftsAgainstCompilerWideIntegers)
{
    std::mt19937_64 rng(0x128);
    long failures = 0;
    for (int i = 0; i < 200000; ++i) {
        const Uint128 a = {Word(rng), Word(rng)};
        const Uint128 b = {Word(rng), Word(rng)};
        const Wide wa = ToWide(a);
        const Wide wb = ToWide(b);
        if (ToWide(ext::soft::Add128(a, b)) != wa + wb) ++failures;
        if (ToWide(ext::soft::Sub128(a, b)) != wa - wb) ++failures;
        if (ext::soft::Less128(a, b) != (wa < wb)) ++failures;
        const unsigned left = static_cast<unsigned>(rng() % 128);
        if (ToWide(ext::soft::ShiftLeft128(a, left)) != wa << left) ++failures;
        const std::uint32_t right = static_cast<std::uint32_t>(rng() % 140);
        const Wide shifted = right >= 128 ? 0 : wa >> right;
        const bool lost = right >= 128 ? wa != 0 : (shifted << right) != wa;
        if (ToWide(ext::soft::ShiftRightJam128(a, right)) != (shifted | (lost ? 1 : 0))) ++failures;
        if (ToWide(ext::soft::Mul64To128(a.lo, b.hi)) != static_cast<Wide>(a.lo) * b.hi) ++failures;
        const ext::soft::Uint256 p = ext::soft::Mul128To256(a, b);
        // Check the product modulo 2^128 and its high half through the 64-bit pieces.
        if (ToWide(p.lo) != wa * wb) ++failures;
        const Wide hh = static_cast<Wide>(a.hi) * b.hi;
        const Wide cross1 = static_cast<Wide>(a.hi) * b.lo;
        const Wide cross2 = static_cast<Wide>(a.lo) * b.hi;
        const Wide ll = static_cast<Wide>(a.lo) * b.lo;
        const Wide middle =
            (ll >> 64) + static_cast<std::uint64_t>(cross1) + static_cast<std::uint64_t>(cross2);
        const Wide high = hh + (cross1 >> 64) + (cross2 >> 64) + (middle >> 64);
        if (ToWide(p.hi) != high) ++failures;
        const int zeros = ext::soft::CountLeadingZeros64(a.hi | 1);
        if (zeros != __builtin_clzll(a.hi | 1)) ++failures;
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
