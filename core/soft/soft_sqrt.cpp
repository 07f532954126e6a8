#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// floor(2^19 / sqrt(i + 1)) for i = 64..255: 2^16 / sqrt(A) at the upper end
// of A in [i/64, (i + 1)/64), so an underestimate across the interval, short
// by under 2^-7.
const std::uint16_t kRecipSqrtSeed[192] = {
    0xFE05, 0xFC17, 0xFA33, 0xF85B, 0xF68C, 0xF4C8, 0xF30D, 0xF15B,  // 64..71
    0xEFB3, 0xEE13, 0xEC7B, 0xEAEB, 0xE964, 0xE7E3, 0xE66B, 0xE4F9,  // 72..79
    0xE38E, 0xE229, 0xE0CC, 0xDF74, 0xDE23, 0xDCD7, 0xDB91, 0xDA51,  // 80..87
    0xD916, 0xD7E0, 0xD6B0, 0xD584, 0xD45E, 0xD33C, 0xD21E, 0xD105,  // 88..95
    0xCFF1, 0xCEE1, 0xCDD4, 0xCCCC, 0xCBC8, 0xCAC8, 0xC9CB, 0xC8D2,  // 96..103
    0xC7DD, 0xC6EB, 0xC5FC, 0xC511, 0xC429, 0xC344, 0xC263, 0xC184,  // 104..111
    0xC0A8, 0xBFD0, 0xBEFA, 0xBE26, 0xBD56, 0xBC88, 0xBBBD, 0xBAF4,  // 112..119
    0xBA2E, 0xB96A, 0xB8A9, 0xB7EA, 0xB72D, 0xB673, 0xB5BB, 0xB504,  // 120..127
    0xB450, 0xB39F, 0xB2EF, 0xB241, 0xB195, 0xB0EB, 0xB043, 0xAF9D,  // 128..135
    0xAEF8, 0xAE56, 0xADB5, 0xAD16, 0xAC79, 0xABDD, 0xAB43, 0xAAAA,  // 136..143
    0xAA13, 0xA97E, 0xA8EA, 0xA858, 0xA7C7, 0xA737, 0xA6A9, 0xA61D,  // 144..151
    0xA592, 0xA508, 0xA47F, 0xA3F8, 0xA372, 0xA2EE, 0xA26A, 0xA1E8,  // 152..159
    0xA167, 0xA0E7, 0xA069, 0x9FEC, 0x9F6F, 0x9EF4, 0x9E7A, 0x9E01,  // 160..167
    0x9D89, 0x9D13, 0x9C9D, 0x9C28, 0x9BB4, 0x9B42, 0x9AD0, 0x9A5F,  // 168..175
    0x99EF, 0x9981, 0x9913, 0x98A6, 0x983A, 0x97CE, 0x9764, 0x96FB,  // 176..183
    0x9692, 0x962A, 0x95C3, 0x955D, 0x94F8, 0x9493, 0x9430, 0x93CD,  // 184..191
    0x936B, 0x9309, 0x92A9, 0x9249, 0x91E9, 0x918B, 0x912D, 0x90D0,  // 192..199
    0x9074, 0x9018, 0x8FBD, 0x8F63, 0x8F09, 0x8EB0, 0x8E58, 0x8E00,  // 200..207
    0x8DA9, 0x8D53, 0x8CFD, 0x8CA8, 0x8C53, 0x8BFF, 0x8BAC, 0x8B59,  // 208..215
    0x8B06, 0x8AB5, 0x8A64, 0x8A13, 0x89C3, 0x8973, 0x8924, 0x88D6,  // 216..223
    0x8888, 0x883B, 0x87EE, 0x87A1, 0x8755, 0x870A, 0x86BF, 0x8675,  // 224..231
    0x862B, 0x85E1, 0x8598, 0x8550, 0x8508, 0x84C0, 0x8479, 0x8432,  // 232..239
    0x83EC, 0x83A6, 0x8361, 0x831C, 0x82D7, 0x8293, 0x824F, 0x820C,  // 240..247
    0x81C9, 0x8186, 0x8144, 0x8103, 0x80C1, 0x8080, 0x8040, 0x8000,  // 248..255
};

// An underestimate of 2^127 / sqrt(m) for m in [2^126, 2^128): Newton's
// z += z (1 - A z^2) / 2 on A = m.hi / 2^62, whose relative shortfall e
// becomes about 1.5 e^2 and, computed exactly, stays a shortfall. Three
// steps from the table's first guess leave it below 2^-51. The two truncated products make
// A z^2 up to 2 units of 2^-62 short, so 2 units come off (1 - A z^2), or it
// counts as 0: near convergence the step would otherwise overshoot. And A is
// short of m / 2^126 by up to 2^-62, which can put z up to 4 above the
// bound; 4 is taken off.
std::uint64_t RecipSqrt(soft::Uint128 m)
{
    constexpr std::uint64_t kOne = 0x4000000000000000u;  // 2^62
    std::uint64_t z = static_cast<std::uint64_t>(kRecipSqrtSeed[(m.hi >> 56) - 64]) << 48;
    for (int step = 0; step < 3; ++step) {
        const std::uint64_t square = soft::Mul64To128(z, z).hi;          // z^2 / 2^64
        const std::uint64_t scaled = soft::Mul64To128(m.hi, square).hi;  // A z^2 * 2^62
        const std::uint64_t shortfall = scaled + 2 >= kOne ? 0 : kOne - 2 - scaled;
        z += soft::ShiftRight128(soft::Mul64To128(z, shortfall), 63).lo;  // z shortfall / 2^63
    }
    return z - 4;
}

// floor(sqrt(m)) for m in [2^126, 2^128), with m minus its square. From the
// reciprocal root: r = m z / 2^127, then r += (m - r^2) z / 2^128, the
// Newton step that doubles the precision. With z at or below 2^127 /
// sqrt(m), neither step overshoots: r stays at or below the floor, within a
// unit or two, and is raised to it by the remainder.
soft::Uint128 FloorSqrt(soft::Uint128 m, std::uint64_t* root)
{
    const std::uint64_t z = RecipSqrt(m);
    std::uint64_t r = soft::ShiftRight128(soft::Mul64To128(m.hi, z), 63).lo;
    soft::Uint128 remainder = soft::Sub128(m, soft::Mul64To128(r, r));
    const soft::Uint128 high = soft::Mul64To128(remainder.hi, z);
    r += soft::Add128(high, {0, soft::Mul64To128(remainder.lo, z).hi}).hi;
    remainder = soft::Sub128(m, soft::Mul64To128(r, r));
    // (r + 1)^2 <= m while the remainder exceeds 2r.
    while (soft::Less128({r >> 63, r << 1}, remainder)) {
        remainder = soft::Sub128(remainder, {r >> 63, (r << 1) | 1});
        ++r;
    }
    *root = r;
    return remainder;
}

}  // namespace

// FSQRT. With the exponent made even, the radicand m = sig * 2^(63 or 64)
// lies in [2^126, 2^128) and its root r = floor(sqrt(m)) has 64 bits. The
// remainder m - r^2 (at most 2r) says the rest: the root lies above r + 1/2
// exactly when it exceeds r (m is an integer, (r + 1/2)^2 is not, so no tie
// arises), and is exact when it is 0.
Extended Sqrt(const Extended& a)
{
    const soft::Class kind = soft::Classify(a);
    if (kind == soft::Class::kUnsupported) return soft::kIndefinite;
    if (kind == soft::Class::kNaN) return soft::QuietNaN(a);
    if (kind == soft::Class::kZero) return a;  // sqrt(-0) = -0
    if (soft::SignOf(a)) return soft::kIndefinite;
    if (kind == soft::Class::kInfinity) return a;
    const soft::Unpacked u = soft::Unpack(a);
    const std::int32_t unbiased = u.exp - soft::kBias;
    const std::int32_t odd = unbiased & 1;
    const soft::Uint128 radicand =
        odd != 0 ? soft::Uint128{u.sig, 0} : soft::Uint128{u.sig >> 1, u.sig << 63};
    std::uint64_t root = 0;
    const soft::Uint128 remainder = FloorSqrt(radicand, &root);
    std::uint64_t extra = soft::IsZero128(remainder) ? 0u : 1u;
    if (soft::Less128({0, root}, remainder)) extra |= soft::kIntegerBit;
    return soft::RoundPack(false, (unbiased - odd) / 2 + soft::kBias, root, extra);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
