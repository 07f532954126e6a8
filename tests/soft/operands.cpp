#include "tests/soft/operands.h"

namespace operands {
namespace {

constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;

std::uint64_t Bits(Rng& rng)
{
    return rng();
}

// Significand patterns with the integer bit set.
std::uint64_t NormalSignificand(Rng& rng)
{
    switch (Below(rng, 6)) {
        case 0: {  // short: a few random leading bits, then zeros
            const unsigned width = 1 + Below(rng, 40);
            return kIntegerBit | ((Bits(rng) >> (64 - width)) << (63 - width));
        }
        case 1:  // long runs of ones
            return ~std::uint64_t{0} << Below(rng, 64);
        case 2:  // a power of two or just above one
            return kIntegerBit + Below(rng, 3);
        case 3:  // all ones, minus a little
            return ~std::uint64_t{0} - Below(rng, 4);
        default:
            return kIntegerBit | Bits(rng);
    }
}

std::uint32_t NormalExponent(Rng& rng)
{
    switch (Below(rng, 5)) {
        case 0:  // near 1
            return 0x3FFF - 70 + Below(rng, 141);
        case 1:  // just above the denormals
            return 1 + Below(rng, 70);
        case 2:  // just below the infinities
            return 0x7FFE - Below(rng, 70);
        default:
            return 1 + Below(rng, 0x7FFE);
    }
}

Extended Denormal(Rng& rng)
{
    const std::uint64_t sig = NormalSignificand(rng) >> (1 + Below(rng, 63));
    return MakeExtended(WithSign(rng, 0), sig == 0 ? 1 : sig);
}

Extended NaN(Rng& rng)
{
    switch (Below(rng, 3)) {
        case 0:
            return MakeExtended(0xFFFF, 0xC000000000000000u);  // the indefinite
        case 1:                                                // quiet
            return MakeExtended(WithSign(rng, 0x7FFF),
                                kIntegerBit | 0x4000000000000000u | (Bits(rng) >> Below(rng, 64)));
        default: {  // signaling: a payload below the quiet bit
            const std::uint64_t payload = (Bits(rng) >> 2) >> Below(rng, 62);
            return MakeExtended(WithSign(rng, 0x7FFF), kIntegerBit | (payload == 0 ? 1 : payload));
        }
    }
}

// Unnormals, pseudo-NaNs, pseudo-infinities, pseudo-denormals.
Extended OddEncoding(Rng& rng)
{
    switch (Below(rng, 4)) {
        case 0:
            return MakeExtended(WithSign(rng, 1 + Below(rng, 0x7FFE)), Bits(rng) >> 1);
        case 1:
            return MakeExtended(WithSign(rng, 0x7FFF), (Bits(rng) >> 1) | 1);
        case 2:
            return MakeExtended(WithSign(rng, 0x7FFF), 0);
        default:
            return MakeExtended(WithSign(rng, 0), kIntegerBit | (Bits(rng) >> Below(rng, 64)));
    }
}

}  // namespace

std::uint32_t Below(Rng& rng, std::uint32_t n)
{
    return static_cast<std::uint32_t>(rng() % n);
}

std::uint16_t WithSign(Rng& rng, std::uint32_t exponent)
{
    return static_cast<std::uint16_t>(((rng() & 1) << 15) | (exponent & 0x7FFF));
}

Extended Finite(Rng& rng)
{
    if (Below(rng, 8) == 0) return Denormal(rng);
    return MakeExtended(WithSign(rng, NormalExponent(rng)), NormalSignificand(rng));
}

Extended Any(Rng& rng)
{
    const std::uint32_t pick = Below(rng, 100);
    if (pick < 5) return MakeExtended(WithSign(rng, 0), 0);
    if (pick < 8) return MakeExtended(WithSign(rng, 0x7FFF), kIntegerBit);
    if (pick < 12) return NaN(rng);
    if (pick < 15) return OddEncoding(rng);
    return Finite(rng);
}

Extended Partner(const Extended& a, Combine combine, Rng& rng)
{
    const std::int32_t expA = SignAndExponentOf(a) & 0x7FFF;
    const std::uint64_t sigA = SignificandOf(a);
    switch (Below(rng, 6)) {
        case 0: {  // nearby exponent, up to a full significand and more apart
            const std::int32_t spread = Below(rng, 2) == 0 ? 3 : 140;
            const std::int32_t exp =
                expA +
                static_cast<std::int32_t>(Below(rng, static_cast<std::uint32_t>(2 * spread + 1))) -
                spread;
            if (exp < 1 || exp > 0x7FFE) return Finite(rng);
            return MakeExtended(WithSign(rng, static_cast<std::uint32_t>(exp)),
                                NormalSignificand(rng));
        }
        case 1: {  // the same magnitude or a sibling: cancellation
            const std::uint64_t sig = sigA + Below(rng, 5) - 2;
            return MakeExtended(WithSign(rng, static_cast<std::uint32_t>(expA)),
                                (sig & kIntegerBit) != 0 || expA == 0 ? sig : sigA);
        }
        case 2: {  // the result near the denormals or near the infinities
            const std::int32_t target =
                static_cast<std::int32_t>(Below(rng, 141)) - 70 + (Below(rng, 2) == 0 ? 0 : 0x7FFE);
            std::int32_t exp = expA + static_cast<std::int32_t>(Below(rng, 7)) - 3;
            if (combine == Combine::kProduct) exp = target - expA + 0x3FFF;
            if (combine == Combine::kQuotient) exp = expA + 0x3FFF - target;
            if (exp < 1 || exp > 0x7FFE) return Finite(rng);
            return MakeExtended(WithSign(rng, static_cast<std::uint32_t>(exp)),
                                NormalSignificand(rng));
        }
        case 3:
            return Any(rng);
        default:
            return Finite(rng);
    }
}

const Extended kSpecials[] = {
    MakeExtended(0x0000, 0),                    // +0
    MakeExtended(0x8000, 0),                    // -0
    MakeExtended(0x0000, 1),                    // smallest denormal
    MakeExtended(0x8000, 0x7FFFFFFFFFFFFFFFu),  // largest denormal, negative
    MakeExtended(0x0000, 0x8000000000000000u),  // pseudo-denormal
    MakeExtended(0x0001, 0x8000000000000000u),  // smallest normal
    MakeExtended(0x3FFE, 0x8000000000000000u),  // 1/2
    MakeExtended(0xBFFE, 0x8000000000000000u),  // -1/2
    MakeExtended(0x3FFF, 0x8000000000000000u),  // 1
    MakeExtended(0xBFFF, 0xC000000000000000u),  // -1.5
    MakeExtended(0x3FFF, 0xFFFFFFFFFFFFFFFFu),  // just below 2
    MakeExtended(0x401D, 0xFFFFFFFF00000000u),  // 2^31 - 1/2
    MakeExtended(0xC01E, 0x8000000000000000u),  // -2^31
    MakeExtended(0x403E, 0x8000000000000001u),  // 2^63 + 1
    MakeExtended(0x400D, 0x8000000000000000u),  // 2^14
    MakeExtended(0xC00D, 0x8080000000000000u),  // -16448
    MakeExtended(0x7FFE, 0xFFFFFFFFFFFFFFFFu),  // largest finite
    MakeExtended(0xFFFE, 0x8000000000000000u),  // -2^16383
    MakeExtended(0x7FFF, 0x8000000000000000u),  // +infinity
    MakeExtended(0xFFFF, 0x8000000000000000u),  // -infinity
    MakeExtended(0xFFFF, 0xC000000000000000u),  // indefinite
    MakeExtended(0x7FFF, 0xC000000000000001u),  // quiet NaN
    MakeExtended(0xFFFF, 0xC000000000000001u),  // the same, negative
    MakeExtended(0x7FFF, 0x8000000000000003u),  // signaling NaN
    MakeExtended(0xFFFF, 0x8000000000000001u),  // signaling NaN, negative
    MakeExtended(0x3FFF, 0x4000000000000000u),  // unnormal
    MakeExtended(0x7FFF, 0x4000000000000000u),  // pseudo-NaN
    MakeExtended(0x7FFF, 0x0000000000000000u),  // pseudo-infinity
};
const int kSpecialCount = sizeof(kSpecials) / sizeof(kSpecials[0]);

}  // namespace operands
