// Unsigned 128-bit primitives for the software model of the x87 unit, in
// plain 64-bit integer arithmetic so they build on any compiler and target
// (no floating point).
//
// This header is where the model looks at the compiler (the image packing in
// core/extended.h aside). Where it offers a 64 x 64 -> 128-bit product
// (__int128) or a count-leading-zeros builtin, Mul64To128 and
// CountLeadingZeros64 use them; the portable forms below stay compiled
// everywhere and are what targets without them (32-bit ones lack __int128)
// run.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"

#if defined(__SIZEOF_INT128__)
#define QUORVEL_SOFT_NATIVE_UINT128 1
#else
#define QUORVEL_SOFT_NATIVE_UINT128 0
#endif

#if defined(__GNUC__) || defined(__clang__)
#define QUORVEL_SOFT_BUILTIN_CLZ 1
#else
#define QUORVEL_SOFT_BUILTIN_CLZ 0
#endif

inline namespace QUORVEL_CORE_NAMESPACE {
namespace ext {
namespace soft {

#if QUORVEL_SOFT_NATIVE_UINT128
__extension__ typedef unsigned __int128 NativeUint128;
#endif

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

// 0 < count < 64; the bits shifted out are dropped.
constexpr Uint128 ShiftRight128(Uint128 a, unsigned count)
{
    return {a.hi >> count, (a.hi << (64 - count)) | (a.lo >> count)};
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

// The portable product, from four 32 x 32 -> 64-bit products.
constexpr Uint128 Mul64To128Limbs(std::uint64_t a, std::uint64_t b)
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

constexpr Uint128 Mul64To128(std::uint64_t a, std::uint64_t b)
{
#if QUORVEL_SOFT_NATIVE_UINT128
    const NativeUint128 p = static_cast<NativeUint128>(a) * b;
    return {static_cast<std::uint64_t>(p >> 64), static_cast<std::uint64_t>(p)};
#else
    return Mul64To128Limbs(a, b);
#endif
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

// The portable count: halving steps, then single bits.
constexpr int CountLeadingZeros64Portable(std::uint64_t a)
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

constexpr int CountLeadingZeros64(std::uint64_t a)
{
#if QUORVEL_SOFT_BUILTIN_CLZ
    return a == 0 ? 64 : __builtin_clzll(a);  // the builtin leaves 0 undefined
#else
    return CountLeadingZeros64Portable(a);
#endif
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
