// Test helpers: writing Extended values as "SEEE:SSSSSSSSSSSSSSSS" hex, and
// stepping by units in the last place. Independent of the arithmetic under
// test: plain integer manipulation of the 10-byte image.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/extended.h"

inline std::string HexOf(const Extended& x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04X:%016llX", SignAndExponentOf(x),
                  static_cast<unsigned long long>(SignificandOf(x)));
    return text;
}

// Moves a finite, non-zero, normal value `units` places along its own
// significand, away from zero for positive `units` (within one binade).
inline Extended OffsetByUnits(const Extended& x, int units)
{
    const std::uint64_t significand = SignificandOf(x) + static_cast<std::uint64_t>(static_cast<std::int64_t>(units));
    return MakeExtended(SignAndExponentOf(x), significand);
}

// The exact Extended of a 64-bit unsigned integer, by normalising it.
inline Extended ExtendedOfInteger(std::uint64_t value, bool negative = false)
{
    if (value == 0) return MakeExtended(negative ? 0x8000 : 0, 0);
    int exponent = 63;
    while ((value >> 63) == 0) {
        value <<= 1;
        exponent -= 1;
    }
    const auto biased = static_cast<std::uint16_t>(kExtendedBias + exponent);
    return MakeExtended(static_cast<std::uint16_t>(biased | (negative ? 0x8000 : 0)), value);
}

// A text as a test name shows it: quoted, with bytes outside printable ASCII
// as \xNN escapes, so test names stay readable and stable.
inline std::string Quoted(const char* text)
{
    if (text == nullptr) return "(null)";
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte >= 0x20 && byte < 0x7F) {
            quoted += *c;
            continue;
        }
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", byte);
        quoted += escape;
    }
    return quoted + "\"";
}

constexpr Extended kPositiveZero = MakeExtended(0x0000, 0);
constexpr Extended kPositiveInfinity = MakeExtended(0x7FFF, 0x8000000000000000u);
constexpr Extended kNegativeInfinity = MakeExtended(0xFFFF, 0x8000000000000000u);
