// 2^x - 1 for |x| <= 1 from the series of (e^y - 1) / y, y = x ln 2, in
// fixed point of five 64-bit limbs with 318 fraction bits:
//   (e^y - 1) / y = 1 + y/2 (1 + y/3 (1 + y/4 (...))),
// 64 levels deep (y^64 / 65! < 2^-330 for |y| <= ln 2). The result is
// x * ln 2 * that sum, formed relative to x and rounded once. Its error, a
// few units of 2^-318 relative, is far below the closest approach of 2^x - 1
// to a rounding boundary expected at 64-bit precision (some 2^-130 relative
// by the usual estimate of worst cases); an exact tie never occurs.
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {

const std::uint64_t kLn2Series[kSeriesLimbs] = {
    0xF9EE1D881B7AEB26u, 0x628345D6E2EABE8Au, 0xD03CD0C99CA62D8Bu,
    0xF278ECE600FCBDABu, 0x2C5C85FDF473DE6Au,
};

namespace {

constexpr int kFractionBits = 318;
constexpr std::uint32_t kDepth = 64;

struct Fixed {
    std::uint64_t limb[kSeriesLimbs];  // least significant first
};

// a += b * c, carrying through a limbs from index `at`.
void AddProduct(std::uint64_t* a, int count, int at, std::uint64_t b, std::uint64_t c)
{
    Uint128 carry = Mul64To128(b, c);
    for (int i = at; i < count && !IsZero128(carry); ++i) {
        const Uint128 sum = Add128({0, a[i]}, {0, carry.lo});
        a[i] = sum.lo;
        carry = {0, carry.hi + sum.hi};
    }
}

std::uint64_t LimbAt(const std::uint64_t* v, int count, int index)
{
    return index >= 0 && index < count ? v[index] : 0;
}

// The 64 bits of v (count limbs) from bit `from` up; bits outside v are 0.
std::uint64_t BitsAt(const std::uint64_t* v, int count, int from)
{
    const int index = from >= 0 ? from / 64 : -((63 - from) / 64);
    const int offset = from - 64 * index;
    if (offset == 0) return LimbAt(v, count, index);
    return (LimbAt(v, count, index) >> offset) | (LimbAt(v, count, index + 1) << (64 - offset));
}

// True when any bit of v below bit `below` (at least 0) is set.
bool AnyBelow(const std::uint64_t* v, int below)
{
    for (int i = 0; i < below / 64; ++i) {
        if (v[i] != 0) return true;
    }
    const int offset = below % 64;
    return offset != 0 && (v[below / 64] << (64 - offset)) != 0;
}

// (a * b) / 2^318, truncated; the product stays below 4.
Fixed MulFixed(const Fixed& a, const Fixed& b)
{
    std::uint64_t product[2 * kSeriesLimbs] = {};
    for (int i = 0; i < kSeriesLimbs; ++i) {
        for (int j = 0; j < kSeriesLimbs; ++j) {
            AddProduct(product, 2 * kSeriesLimbs, i + j, a.limb[i], b.limb[j]);
        }
    }
    Fixed result;
    for (int i = 0; i < kSeriesLimbs; ++i) {
        result.limb[i] = BitsAt(product, 2 * kSeriesLimbs, kFractionBits + 64 * i);
    }
    return result;
}

// a / divisor, truncated, 16 bits at a time: with divisor <= kDepth every
// step fits 32-bit arithmetic, so 32-bit targets need no 64-bit division
// helper.
Fixed DivSmall(const Fixed& a, std::uint32_t divisor)
{
    Fixed result = {};
    std::uint32_t remainder = 0;
    for (int i = kSeriesLimbs - 1; i >= 0; --i) {
        for (int shift = 48; shift >= 0; shift -= 16) {
            const std::uint32_t chunk =
                (remainder << 16) | static_cast<std::uint32_t>((a.limb[i] >> shift) & 0xFFFFu);
            remainder = chunk % divisor;
            result.limb[i] |= static_cast<std::uint64_t>(chunk / divisor) << shift;
        }
    }
    return result;
}

// 1 + a, or 1 - a (a below 1), limb by limb with carry or borrow.
Fixed OnePlus(const Fixed& a, bool subtract)
{
    Fixed result = {};
    result.limb[kSeriesLimbs - 1] = std::uint64_t{1} << (kFractionBits - 64 * (kSeriesLimbs - 1));
    std::uint64_t carry = 0;
    for (int i = 0; i < kSeriesLimbs; ++i) {
        const std::uint64_t one = result.limb[i];
        if (subtract) {
            const std::uint64_t difference = one - a.limb[i];
            result.limb[i] = difference - carry;
            carry = (one < a.limb[i] || difference < carry) ? 1u : 0u;
        } else {
            const std::uint64_t sum = one + a.limb[i];
            result.limb[i] = sum + carry;
            carry = (sum < one || result.limb[i] < carry) ? 1u : 0u;
        }
    }
    return result;
}

}  // namespace

Extended TwoToXMinusOneSeries(const Unpacked& x)
{
    Fixed ln2;
    for (int i = 0; i < kSeriesLimbs; ++i) ln2.limb[i] = kLn2Series[i];
    // |y| = sig * 2^(exp - kBias - 63) * ln 2.
    std::uint64_t scaled[kSeriesLimbs + 1] = {};
    for (int i = 0; i < kSeriesLimbs; ++i) {
        AddProduct(scaled, kSeriesLimbs + 1, i, x.sig, ln2.limb[i]);
    }
    const int shift = 63 - (x.exp - kBias);  // at least 63
    Fixed y;
    for (int i = 0; i < kSeriesLimbs; ++i) {
        y.limb[i] = BitsAt(scaled, kSeriesLimbs + 1, shift + 64 * i);
    }
    Fixed sum = OnePlus(Fixed{}, false);
    for (std::uint32_t n = kDepth; n >= 2; --n) {
        sum = OnePlus(DivSmall(MulFixed(y, sum), n), x.sign);
    }
    const Fixed factor = MulFixed(ln2, sum);
    // |result| = sig * factor * 2^(exp - kBias - 63 - 318).
    std::uint64_t product[kSeriesLimbs + 1] = {};
    for (int i = 0; i < kSeriesLimbs; ++i) {
        AddProduct(product, kSeriesLimbs + 1, i, x.sig, factor.limb[i]);
    }
    int top = kSeriesLimbs;
    while (product[top] == 0) --top;
    const int topBit = 64 * top + 63 - CountLeadingZeros64(product[top]);
    const std::uint64_t sig = BitsAt(product, kSeriesLimbs + 1, topBit - 63);
    std::uint64_t extra = BitsAt(product, kSeriesLimbs + 1, topBit - 127);
    if (AnyBelow(product, topBit - 127)) extra |= 1;
    // sig.extra = product * 2^(63 - topBit).
    return RoundPack(x.sign, topBit + x.exp - 63 - kFractionBits, sig, extra);
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
