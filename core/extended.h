// The x87 80-bit extended-precision format and the packed-decimal integer
// format the unit loads with FBLD, as plain byte records.
#pragma once

#include <cstdint>

// Sign bit, 15-bit exponent (bias 16383) and a 64-bit significand with an
// explicit integer bit; 10 bytes, least significant byte first.
struct Extended {
    std::uint8_t bytes[10];
};

// 18 decimal digits, two per byte, byte 0 least significant, the higher digit
// of each pair in the high nibble; byte 9 is the sign (0x80 negative).
struct PackedDecimal {
    std::uint8_t bytes[10];
};

constexpr int kExtendedBias = 16383;
constexpr std::uint16_t kExtendedMaxExponent = 0x7FFF;

// The one place that reads and writes the fields of the 10-byte images; both
// backends, the reader and the tests go through these.
//
// Bytes 0..7 of an image (the significand of an Extended, the low 16 digits
// of a PackedDecimal) as one word. The bytes are spelled out one by one, a
// pattern compilers turn into a single load at any optimisation level that
// merges them (a loop over the bytes stays a loop of byte moves at -O2).
constexpr std::uint64_t LowEightBytesOf(const std::uint8_t (&bytes)[10])
{
    return static_cast<std::uint64_t>(bytes[0]) | static_cast<std::uint64_t>(bytes[1]) << 8 |
           static_cast<std::uint64_t>(bytes[2]) << 16 | static_cast<std::uint64_t>(bytes[3]) << 24 |
           static_cast<std::uint64_t>(bytes[4]) << 32 | static_cast<std::uint64_t>(bytes[5]) << 40 |
           static_cast<std::uint64_t>(bytes[6]) << 48 | static_cast<std::uint64_t>(bytes[7]) << 56;
}

constexpr std::uint64_t SignificandOf(const Extended& x)
{
    return LowEightBytesOf(x.bytes);
}

constexpr std::uint16_t SignAndExponentOf(const Extended& x)
{
    return static_cast<std::uint16_t>(x.bytes[8] | (x.bytes[9] << 8));
}

// Every arithmetic result leaves through here. Spelled out byte by byte, GCC
// assembles the sign-and-exponent word in memory and reads it back whole, a
// store the processor cannot forward; on a little-endian host a compiled
// (not constant-evaluated) call copies the two fields as words instead, the
// same bytes either way.
constexpr Extended MakeExtended(std::uint16_t signAndExponent, std::uint64_t significand)
{
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    if (!__builtin_is_constant_evaluated()) {
        Extended x{};
        __builtin_memcpy(x.bytes, &significand, 8);
        __builtin_memcpy(x.bytes + 8, &signAndExponent, 2);
        return x;
    }
#endif
    Extended x{};
    for (int i = 0; i < 8; ++i) x.bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    x.bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    x.bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return x;
}

constexpr bool operator==(const Extended& a, const Extended& b)
{
    for (int i = 0; i < 10; ++i)
        if (a.bytes[i] != b.bytes[i]) return false;
    return true;
}

constexpr bool operator!=(const Extended& a, const Extended& b)
{
    return !(a == b);
}
