// 2^x - 1 for |x| <= 1 in fixed point with 126 fraction bits (values below
// 4), from a table of 2^(k/32) and a short series.
//
// Near zero (|x| < 1/64) the result is x * Q(x) with
//   Q(x) = (2^x - 1) / x = sum over n >= 1 of ln(2)^n x^(n-1) / n!,
// formed relative to x, so tiny and denormal operands keep full precision.
// Otherwise x = k/32 + t with |t| <= 1/64 and
//   2^x - 1 = (2^(k/32) - 1) + 2^(k/32) * t * Q(t).
// Fourteen terms leave a tail below 2^-132 for |t| <= 1/64.
//
// Error, in units of 2^-126: each table entry and term 1/2, each truncated
// product 1, so Q is within 2 (the terms shrink by at least 64 per step)
// and t * Q within 1.1. Near zero the result is sig * Q: within 2 * 2^64 of
// sig * Q's 190 bits, so within 5 units after dropping 63 bits. Otherwise
// 2^(k/32) * tQ is within 2 * 1.1 + 1/2 * 0.011 + 1 < 3.3 and the sum within
// 3.8. Both paths claim 8.
#include "core/soft/soft_internal.h"

namespace ext {
namespace soft {

const Uint128 kTwoToKOver32[kTwoToKOver32Count] = {
    {0x2000000000000000u, 0x0000000000000000u},  // k = -32
    {0x20B361A62B0AE875u, 0xCF8A91D6D1948300u},  // k = -31
    {0x216AB0D9F3121EC5u, 0x317256E30855306Du},  // k = -30
    {0x222603A024B6A149u, 0xD77E35DB26319D59u},  // k = -29
    {0x22E57078FAA2F5B9u, 0xBEF918A1D6294F24u},  // k = -28
    {0x23A90E62D17354F0u, 0x0B70051321E0F531u},  // k = -27
    {0x2470F4DCEAC470CDu, 0x83F5B6382B96B276u},  // k = -26
    {0x253D3BEA3FBDC258u, 0x4BA2BEB449547795u},  // k = -25
    {0x260DFC14636E2A5Bu, 0xD1AB48C60B90BDBEu},  // k = -24
    {0x26E34E6E7553954Eu, 0x28AA05E8A8F30FC8u},  // k = -23
    {0x27BD4C982468446Bu, 0x682447C27AEE7F74u},  // k = -22
    {0x289C10C0C3125A06u, 0x26DE813BE033F7AAu},  // k = -21
    {0x297FB5AA6C544E3Au, 0x872F5FD885C41C07u},  // k = -20
    {0x2A6856AD3A9F03BEu, 0x1507893B0D4C7E9Du},  // k = -19
    {0x2B560FBA90A852B1u, 0x92602A323D668BB1u},  // k = -18
    {0x2C48FD6074AB0963u, 0xE1F40DFA5B485764u},  // k = -17
    {0x2D413CCCFE779921u, 0x165F626CDD52AFA8u},  // k = -16
    {0x2E3EEBD1D8BEE7BAu, 0x46E1E5DE159AD968u},  // k = -15
    {0x2F4228E7D6030DAFu, 0xAA2047ED9B43EBDFu},  // k = -14
    {0x304B1332999C2515u, 0x9F115F56694021EDu},  // k = -13
    {0x3159CA845541B6B7u, 0x4F8AB432593767CEu},  // k = -12
    {0x326E6F619B8BC9E8u, 0xA0387E4A81445A60u},  // k = -11
    {0x3389230547E12038u, 0xF88D60E3E57CB1BBu},  // k = -10
    {0x34AA07647C4AB916u, 0x84892395F0F7900Au},  // k = -9
    {0x35D13F32B5A75ABDu, 0x0E69A2EE640B4FF8u},  // k = -8
    {0x36FEEDE5F6BC8DD5u, 0x4F610356A78A6A99u},  // k = -7
    {0x383337BB0AA53844u, 0x419625412374CCF3u},  // k = -6
    {0x396E41B9DF20D22Au, 0x0797A3D293B6EC3Bu},  // k = -5
    {0x3AB031B9F7490E4Bu, 0xB40B5D6CDC1B953Fu},  // k = -4
    {0x3BF92E66F736BD72u, 0xD195873DA5236E45u},  // k = -3
    {0x3D495F454921B30Bu, 0x1EE7431EBB6603F1u},  // k = -2
    {0x3EA0ECB6DC8A80CEu, 0x9F096EC50C575FF3u},  // k = -1
    {0x4000000000000000u, 0x0000000000000000u},  // k = 0
    {0x4166C34C5615D0EBu, 0x9F1523ADA3290600u},  // k = 1
    {0x42D561B3E6243D8Au, 0x62E4ADC610AA60D9u},  // k = 2
    {0x444C0740496D4293u, 0xAEFC6BB64C633AB1u},  // k = 3
    {0x45CAE0F1F545EB73u, 0x7DF23143AC529E48u},  // k = 4
    {0x47521CC5A2E6A9E0u, 0x16E00A2643C1EA63u},  // k = 5
    {0x48E1E9B9D588E19Bu, 0x07EB6C70572D64ECu},  // k = 6
    {0x4A7A77D47F7B84B0u, 0x97457D6892A8EF2Au},  // k = 7
    {0x4C1BF828C6DC54B7u, 0xA356918C17217B7Bu},  // k = 8
    {0x4DC69CDCEAA72A9Cu, 0x51540BD151E61F90u},  // k = 9
    {0x4F7A993048D088D6u, 0xD0488F84F5DCFEE9u},  // k = 10
    {0x513821818624B40Cu, 0x4DBD0277C067EF54u},  // k = 11
    {0x52FF6B54D8A89C75u, 0x0E5EBFB10B88380Eu},  // k = 12
    {0x54D0AD5A753E077Cu, 0x2A0F12761A98FD3Au},  // k = 13
    {0x56AC1F752150A563u, 0x24C054647ACD1762u},  // k = 14
    {0x5891FAC0E95612C7u, 0xC3E81BF4B690AEC7u},  // k = 15
    {0x5A827999FCEF3242u, 0x2CBEC4D9BAA55F50u},  // k = 16
    {0x5C7DD7A3B17DCF74u, 0x8DC3CBBC2B35B2D1u},  // k = 17
    {0x5E8451CFAC061B5Fu, 0x54408FDB3687D7BDu},  // k = 18
    {0x6096266533384A2Bu, 0x3E22BEACD28043DBu},  // k = 19
    {0x62B39508AA836D6Eu, 0x9F156864B26ECF9Cu},  // k = 20
    {0x64DCDEC3371793D1u, 0x4070FC950288B4BFu},  // k = 21
    {0x6712460A8FC24071u, 0xF11AC1C7CAF96377u},  // k = 22
    {0x69540EC8F895722Du, 0x0912472BE1EF2014u},  // k = 23
    {0x6BA27E656B4EB57Au, 0x1CD345DCC8169FEFu},  // k = 24
    {0x6DFDDBCBED791BAAu, 0x9EC206AD4F14D532u},  // k = 25
    {0x70666F76154A7088u, 0x832C4A8246E999E5u},  // k = 26
    {0x72DC8373BE41A454u, 0x0F2F47A5276DD876u},  // k = 27
    {0x75606373EE921C97u, 0x6816BAD9B8372A7Du},  // k = 28
    {0x77F25CCDEE6D7AE5u, 0xA32B0E7B4A46DC89u},  // k = 29
    {0x7A92BE8A92436616u, 0x3DCE863D76CC07E2u},  // k = 30
    {0x7D41D96DB915019Du, 0x3E12DD8A18AEBFE6u},  // k = 31
    {0x8000000000000000u, 0x0000000000000000u},  // k = 32
};

const Uint128 kLn2PowerTerms[kLn2PowerTermCount] = {
    {0x2C5C85FDF473DE6Au, 0xF278ECE600FCBDACu},  // n = 1
    {0x0F5FDEFFC162C754u, 0x378B583764B9AFE5u},  // n = 2
    {0x038D611AE09417F1u, 0x6674EC576657A5BEu},  // n = 3
    {0x009D955B7DD273B9u, 0x4E65DF05A9F75628u},  // n = 4
    {0x0015D87FE78A6731u, 0x10717F69A514BEC3u},  // n = 5
    {0x0002861225F0D8F0u, 0xEDE9615130D64684u},  // n = 6
    {0x00003FF97F8B1161u, 0x8D0D62A3990FB1CDu},  // n = 7
    {0x0000058B0088E972u, 0x08FF63FF981B69DFu},  // n = 8
    {0x0000006D494F4E57u, 0x9F0F6929C39693FEu},  // n = 9
    {0x00000007933D4562u, 0xE3B27DBF687654BAu},  // n = 10
    {0x000000007A32B1CDu, 0x46EC9303D5E65792u},  // n = 11
    {0x00000000070EF594u, 0x3F0A6178AD5A1F86u},  // n = 12
    {0x0000000000605864u, 0xC59B43E58A06B0C0u},  // n = 13
    {0x000000000004C525u, 0x93561E2A5CFC50D9u},  // n = 14
};

namespace {

constexpr std::uint64_t kErrorBound = 8;
constexpr Uint128 kOne = {0x4000000000000000u, 0};  // 2^126

// (a * b) / 2^126, truncated; both factors and the product below 4.
Uint128 MulFixed(Uint128 a, Uint128 b)
{
    const Uint256 p = Mul128To256(a, b);
    return {(p.hi.hi << 2) | (p.hi.lo >> 62), (p.hi.lo << 2) | (p.lo.hi >> 62)};
}

// Q(t) for |t| = magnitude <= 1/64, by Horner's rule; for negative t every
// partial sum stays positive, as each term outweighs the rest.
Uint128 SeriesQ(Uint128 magnitude, bool negative)
{
    Uint128 sum = kLn2PowerTerms[kLn2PowerTermCount - 1];
    for (int n = kLn2PowerTermCount - 2; n >= 0; --n) {
        const Uint128 product = MulFixed(magnitude, sum);
        sum = negative ? Sub128(kLn2PowerTerms[n], product) : Add128(kLn2PowerTerms[n], product);
    }
    return sum;
}

// |x| = sig * 2^(unbiased - 63), |x| <= 1, in fixed point; exact from 2^-63
// up, else a sticky bit stands in for what is lost.
Uint128 ToFixed(const Unpacked& x)
{
    const std::int32_t shift = x.exp - kBias + 63;
    if (shift >= 0) return ShiftLeft128({0, x.sig}, static_cast<unsigned>(shift));
    return ShiftRightJam128({0, x.sig},
                            static_cast<std::uint32_t>(-static_cast<std::int64_t>(shift)));
}

WideResult NearZero(const Unpacked& x, Uint128 magnitude)
{
    const Uint128 q = SeriesQ(magnitude, x.sign);
    const Uint256 p = Mul128To256({0, x.sig}, q);  // below 2^190
    // p / 2^63, truncated: value = sig * 2^(exp - kBias - 63) * q * 2^-126.
    const Uint128 sig = {(p.hi.lo << 1) | (p.lo.hi >> 63), (p.lo.hi << 1) | (p.lo.lo >> 63)};
    return {x.sign, x.exp, sig, kErrorBound};
}

WideResult FromTable(const Unpacked& x, Uint128 magnitude, std::uint64_t kMagnitude)
{
    const Uint128 kPoint = {kMagnitude << 57, 0};  // k/32
    const bool below = Less128(magnitude, kPoint);
    const Uint128 tMagnitude = below ? Sub128(kPoint, magnitude) : Sub128(magnitude, kPoint);
    const bool tNegative = x.sign != below;
    const Uint128 e = MulFixed(tMagnitude, SeriesQ(tMagnitude, tNegative));  // |2^t - 1|
    const int index =
        x.sign ? 32 - static_cast<int>(kMagnitude) : 32 + static_cast<int>(kMagnitude);
    const Uint128 power = kTwoToKOver32[index];
    const Uint128 head = x.sign ? Sub128(kOne, power) : Sub128(power, kOne);  // |2^(k/32) - 1|
    const Uint128 tail = MulFixed(power, e);
    const Uint128 sum = tNegative == x.sign ? Add128(head, tail) : Sub128(head, tail);
    return {x.sign, kBias, sum, kErrorBound};
}

}  // namespace

WideResult TwoToXMinusOneWide(const Unpacked& x)
{
    const Uint128 magnitude = ToFixed(x);
    // k = round(32 |x|): add 1/64, keep the multiples of 1/32.
    const std::uint64_t kMagnitude = Add128(magnitude, {0x0100000000000000u, 0}).hi >> 57;
    if (kMagnitude == 0) return NearZero(x, magnitude);
    return FromTable(x, magnitude, kMagnitude);
}

}  // namespace soft
}  // namespace ext
