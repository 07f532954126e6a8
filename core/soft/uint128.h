// Unsigned 128-bit primitives for the software model of the x87 unit, in
// plain 64-bit integer arithmetic so they build on any compiler and target
// (no __int128, no floating point).
#pragma once

#include <cstdint>

namespace ext {
namespace soft {

struct Uint128 {
    std::uint64_t hi;
    std::uint64_t lo;
};

struct Uint256 {
    Uint128 hi;
    Uint128 lo;
};

constexpr bool IsZero128(Uint128 a)
{
    return (a.hi | a.lo) == 0;
}

constexpr bool Less128(Uint128 a, Uint128 b)
{
    return a.hi < b.hi || (a.hi == b.hi && a.lo < b.lo);
}

constexpr Uint128 Add128(Uint128 a, Uint128 b)
{
    const std::uint64_t lo = a.lo + b.lo;
    return {a.hi + b.hi + (lo < a.lo ? 1u : 0u), lo};
}

constexpr Uint128 Sub128(Uint128 a, Uint128 b)
{
    return {a.hi - b.hi - (a.lo < b.lo ? 1u : 0u), a.lo - b.lo};
}

// count < 128.
constexpr Uint128 ShiftLeft128(Uint128 a, unsigned count)
{
    if (count == 0) return a;
    if (count >= 64) return {a.lo << (count - 64), 0};
    return {(a.hi << count) | (a.lo >> (64 - count)), a.lo << count};
}

// Any count. Every bit shifted out is ORed into bit 0 (the sticky bit): an
// inexact result is always odd, so a later rounding still sees on which side
// of a boundary the lost bits lay without keeping them.
constexpr Uint128 ShiftRightJam128(Uint128 a, std::uint32_t count)
{
    if (count == 0) return a;
    if (count >= 128) return {0, IsZero128(a) ? 0u : 1u};
    if (count >= 64) {
        const unsigned c = count - 64;
        const std::uint64_t lostFromHi = c == 0 ? 0 : a.hi << (64 - c);
        const bool lost = a.lo != 0 || lostFromHi != 0;
        return {0, (a.hi >> c) | (lost ? 1u : 0u)};
    }
    const std::uint64_t lost = a.lo << (64 - count);
    return {a.hi >> count, (a.hi << (64 - count)) | (a.lo >> count) | (lost != 0 ? 1u : 0u)};
}

constexpr Uint128 Mul64To128(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t aLo = a & 0xFFFFFFFFu;
    const std::uint64_t aHi = a >> 32;
    const std::uint64_t bLo = b & 0xFFFFFFFFu;
    const std::uint64_t bHi = b >> 32;
    const std::uint64_t lolo = aLo * bLo;
    const std::uint64_t lohi = aLo * bHi;
    const std::uint64_t hilo = aHi * bLo;
    const std::uint64_t hihi = aHi * bHi;
    // The middle column cannot overflow: three 32-bit quantities.
    const std::uint64_t middle = (lolo >> 32) + (lohi & 0xFFFFFFFFu) + (hilo & 0xFFFFFFFFu);
    return {hihi + (lohi >> 32) + (hilo >> 32) + (middle >> 32),
            (middle << 32) | (lolo & 0xFFFFFFFFu)};
}

constexpr Uint256 Mul128To256(Uint128 a, Uint128 b)
{
    const Uint128 ll = Mul64To128(a.lo, b.lo);
    const Uint128 lh = Mul64To128(a.lo, b.hi);
    const Uint128 hl = Mul64To128(a.hi, b.lo);
    const Uint128 hh = Mul64To128(a.hi, b.hi);
    // Column of 2^64: ll.hi + lh.lo + hl.lo, with its carries into 2^128.
    const Uint128 mid = Add128(Add128({0, ll.hi}, {0, lh.lo}), {0, hl.lo});
    const Uint128 top = Add128(Add128(hh, {0, lh.hi}), Add128({0, hl.hi}, {0, mid.hi}));
    return {top, {mid.lo, ll.lo}};
}

constexpr int CountLeadingZeros64(std::uint64_t a)
{
    if (a == 0) return 64;
    int count = 0;
    if ((a >> 32) == 0) {
        count += 32;
        a <<= 32;
    }
    if ((a >> 48) == 0) {
        count += 16;
        a <<= 16;
    }
    if ((a >> 56) == 0) {
        count += 8;
        a <<= 8;
    }
    while ((a >> 63) == 0) {
        ++count;
        a <<= 1;
    }
    return count;
}

}  // namespace soft
}  // namespace ext
