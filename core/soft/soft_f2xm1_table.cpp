// 2^x - 1 for |x| <= 1 in fixed point with 126 fraction bits (values below
// 4), from a table of 2^(k/256) and a short series.
//
// For |t| = s <= 1/512, 2^t - 1 = t * Q(t) with
//   Q(t) = (2^t - 1) / t = sum over n >= 1 of ln(2)^n t^(n-1) / n!,
// by Horner's rule; eleven terms leave a tail below 2^-134. Each level of
// the rule weighs 2^-9 less in Q than the one outside it, so the partial sums
// from n = 7 on need only 64 bits (79 fraction bits) and the outer ones 128
// (128 fraction bits); s itself has 136 fraction bits.
//
// Near zero (|x| < 1/512) the result is x * Q(x), formed relative to x, so
// tiny and denormal operands keep full precision. Otherwise x = k/256 + t
// with |t| <= 1/512 and
//   2^x - 1 = (2^(k/256) - 1) + 2^(k/256) * t * Q(t),
// 2^(-k/256) being 2^((256 - k)/256) / 2: one table of k = 0..256 serves
// both signs.
//
// Error, in units of 2^-128 for Q and t * Q, else of 2^-126. Q: each
// coefficient 1/2, each truncated product 1, s (near zero) 2^-8, the 64-bit
// partial sums under 2^-4 after their factor s^6, the tail 0.02; inner errors
// shrink by 2^9 per level outward, so Q is within 1.6 and t * Q within 1.1.
// Near zero the result is sig * Q / 2^65: within 2^64 * 1.6 / 2^65 + 1 = 1.8.
// Otherwise the table entry is within 3/4 (halving drops a bit), 2^(k/256) *
// tQ within 2 * 1.1 / 4 + 1 < 1.6, and the sum within 2.4. Both paths claim 4.
#include "core/soft/soft_internal.h"

namespace ext {
namespace soft {
namespace {

constexpr std::uint64_t kErrorBound = 4;
constexpr Uint128 kOne = {0x4000000000000000u, 0};  // 2^126
constexpr int kTableFractionBits = 126;
constexpr int kSmallFractionBits = 136;

// (s * a) / 2^136, truncated: s with 136 fraction bits times a below 2^128.
// Off the near-zero path s.lo is 0, and (s.hi * a) / 2^72 needs half the
// partial products.
Uint128 MulBySmall(Uint128 s, Uint128 a)
{
    if (s.lo != 0) return ShiftRight128(Mul128To256(s, a).hi, 8);
    const Uint128 low = Mul64To128(s.hi, a.lo);
    return ShiftRight128(Add128(Mul64To128(s.hi, a.hi), {0, low.hi}), 8);
}

// Q(t) for |t| = s <= 2^-9 (136 fraction bits), with 128 fraction bits; for
// negative t every partial sum stays positive, as each term outweighs the
// rest.
Uint128 SeriesQ(Uint128 s, bool negative)
{
    // s.hi is s with 72 fraction bits: (s.hi * tail) / 2^72 keeps 79.
    std::uint64_t tail = kLn2PowerTail[kLn2PowerTailCount - 1];
    for (int n = kLn2PowerTailCount - 2; n >= 0; --n) {
        const std::uint64_t product = Mul64To128(s.hi, tail).hi >> 8;
        tail = negative ? kLn2PowerTail[n] - product : kLn2PowerTail[n] + product;
    }
    Uint128 sum = {tail >> 15, tail << 49};  // from 79 to 128 fraction bits
    for (int n = kLn2PowerTermCount - 1; n >= 0; --n) {
        const Uint128 product = MulBySmall(s, sum);
        sum = negative ? Sub128(kLn2PowerTerms[n], product) : Add128(kLn2PowerTerms[n], product);
    }
    return sum;
}

// |x| with `fraction` fraction bits, for |x| * 2^fraction below 2^128; exact
// when the last bit of x weighs at least 2^-fraction, else a sticky bit stands
// in for what is lost.
Uint128 ToFixed(const Unpacked& x, std::int32_t fraction)
{
    const std::int32_t shift = x.exp - kBias - 63 + fraction;
    if (shift >= 0) return ShiftLeft128({0, x.sig}, static_cast<unsigned>(shift));
    return ShiftRightJam128({0, x.sig},
                            static_cast<std::uint32_t>(-static_cast<std::int64_t>(shift)));
}

WideResult NearZero(const Unpacked& x)
{
    const Uint128 q = SeriesQ(ToFixed(x, kSmallFractionBits), x.sign);
    const Uint256 p = Mul128To256({0, x.sig}, q);  // below 2^192
    // p / 2^65, truncated: value = sig * 2^(exp - kBias - 63) * q * 2^-128.
    const Uint128 sig = ShiftRight128({p.hi.lo, p.lo.hi}, 1);
    return {x.sign, x.exp, sig, kErrorBound};
}

// magnitude = |x| with 126 fraction bits, exact (|x| >= 1/512).
WideResult FromTable(const Unpacked& x, Uint128 magnitude, std::uint32_t k)
{
    const Uint128 point = {static_cast<std::uint64_t>(k) << 54, 0};  // k/256
    const bool below = Less128(magnitude, point);
    const Uint128 t = below ? Sub128(point, magnitude) : Sub128(magnitude, point);
    const bool tNegative = x.sign != below;
    // |t| has no bit below 2^-72, so s is exact and s.lo is 0.
    const Uint128 s = ShiftLeft128(t, kSmallFractionBits - kTableFractionBits);
    const Uint128 e = MulBySmall(s, SeriesQ(s, tNegative));  // |2^t - 1|, 128 fraction bits
    const Uint128 power = x.sign ? ShiftRight128(kTwoToKOver256[256 - k], 1) : kTwoToKOver256[k];
    const Uint128 head = x.sign ? Sub128(kOne, power) : Sub128(power, kOne);  // |2^(+-k/256) - 1|
    const Uint128 tail = Mul128To256(power, e).hi;  // 126 + 128 - 128 fraction bits
    const Uint128 sum = tNegative == x.sign ? Add128(head, tail) : Sub128(head, tail);
    return {x.sign, kBias, sum, kErrorBound};
}

}  // namespace

WideResult TwoToXMinusOneWide(const Unpacked& x)
{
    const Uint128 magnitude = ToFixed(x, kTableFractionBits);
    // k = round(256 |x|): add 1/512 (bit 53 of the high word), keep the
    // multiples of 1/256.
    const std::uint64_t k = (magnitude.hi + (std::uint64_t{1} << 53)) >> 54;
    if (k == 0) return NearZero(x);
    return FromTable(x, magnitude, static_cast<std::uint32_t>(k));
}

}  // namespace soft
}  // namespace ext
