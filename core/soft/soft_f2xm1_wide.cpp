// 2^x - 1 for |x| <= 1 in fixed point with 126 fraction bits (values below
// 4), from a table of 2^(k/256) and a short series.
//
// For |t| = s <= 1/512, 2^t - 1 = t * Q(t) with
//   Q(t) = (2^t - 1) / t = sum over n >= 1 of ln(2)^n t^(n-1) / n!;
// eleven terms leave a tail below 2^-134. Q = A + t^6 B, each part by
// Horner's rule: A the terms n = 1..6 in 128 bits (128 fraction bits), B
// the terms n = 7..11 (which weigh under 2^-70 in Q) in 64 bits (79 fraction
// bits); s itself has 136 fraction bits.
//
// Near zero (|x| < 1/512) the result is x * Q(x), formed relative to x, so
// tiny and denormal operands keep full precision. Otherwise x = k/256 + t
// with |t| <= 1/512 and
//   2^x - 1 = (2^(k/256) - 1) + 2^(k/256) * t * Q(t),
// 2^(-k/256) being 2^((256 - k)/256) / 2: one table of k = 0..256 serves
// both signs.
//
// Error, in units of 2^-128 for Q and t * Q, else of 2^-126. A: each
// coefficient 1/2, each truncated product 1, s (near zero) 2^-8, inner
// errors shrinking by 2^9 per level outward: within 1.6. t^6 B: s^6 within
// 3 units of 2^-117 (plus, near zero, 0.25 units of 2^-128 from s.hi
// dropping s.lo) and B within 2 units of 2^-79, then 1 for the final
// truncation: within 1.4. The tail 0.02: Q within 3.1, t * Q within 1.1.
// Near zero the result is sig * Q / 2^65: within 2^64 * 3.1 / 2^65 + 1 =
// 2.6. Otherwise the table entry is within 3/4 (halving drops a bit),
// 2^(k/256) * tQ within 2 * 1.1 / 4 + 1 < 1.6, and the sum within 2.4. Both
// paths claim 4.
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

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

// s^6 with 117 fraction bits from s with 72: each product drops 63 bits and
// stays below 2^63 (s <= 2^-9).
std::uint64_t SixthPower(std::uint64_t s72)
{
    const std::uint64_t square = ShiftRight128(Mul64To128(s72, s72), 63).lo;   // 81 fraction bits
    const std::uint64_t cube = ShiftRight128(Mul64To128(square, s72), 63).lo;  // 90
    return ShiftRight128(Mul64To128(cube, cube), 63).lo;                       // 117
}

// Q(t) for |t| = s <= 2^-9 (136 fraction bits), with 128 fraction bits, as
// A + t^6 B: A the first six terms in 128 bits, B the rest in 64. Neither
// waits for the other, so the two Horner chains run side by side. For
// negative t every partial sum stays positive, as each term outweighs the
// rest.
Uint128 SeriesQ(Uint128 s, bool negative)
{
    // s.hi is s with 72 fraction bits: (s.hi * b) / 2^72 keeps b's 79.
    std::uint64_t b = kLn2PowerTail[kLn2PowerTailCount - 1];
    for (int n = kLn2PowerTailCount - 2; n >= 0; --n) {
        const std::uint64_t product = Mul64To128(s.hi, b).hi >> 8;
        b = negative ? kLn2PowerTail[n] - product : kLn2PowerTail[n] + product;
    }
    Uint128 a = kLn2PowerTerms[kLn2PowerTermCount - 1];
    for (int n = kLn2PowerTermCount - 2; n >= 0; --n) {
        const Uint128 product = MulBySmall(s, a);
        a = negative ? Sub128(kLn2PowerTerms[n], product) : Add128(kLn2PowerTerms[n], product);
    }
    // t^6 B: 117 + 79 fraction bits, 68 of them dropped.
    const Uint128 far = Mul64To128(SixthPower(s.hi), b);
    return Add128(a, {0, far.hi >> 4});
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

}  // namespace QUORVEL_CORE_NAMESPACE
