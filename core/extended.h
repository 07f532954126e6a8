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

// Field access on the 10-byte image.
constexpr std::uint64_t SignificandOf(const Extended& x)
{
    std::uint64_t s = 0;
    for (int i = 7; i >= 0; --i) s = (s << 8) | x.bytes[i];
    return s;
}

constexpr std::uint16_t SignAndExponentOf(const Extended& x)
{
    return static_cast<std::uint16_t>(x.bytes[8] | (x.bytes[9] << 8));
}

constexpr Extended MakeExtended(std::uint16_t signAndExponent, std::uint64_t significand)
{
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

constexpr bool operator!=(const Extended& a, const Extended& b) { return !(a == b); }
