// The three boxes' texts read as the Windows program reads its boxes: what
// the calculate command hands to the core, and what the display's details
// are computed from, so that both see the same numbers. Inline, so the
// calculate command compiles as it did before it had a second caller.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/dialog_description.h"
#include "app/grammar_byte.h"
#include "app/unsigned_text.h"

// A box's text: UTF-16 units and their count, NUL units included.
struct BoxText {
    const char16_t* units;
    int length;
};

// A box holds kInputLimit characters; only a program can put more in one.
// The width and height are read from this many units at most, far more than
// any digits that fit in 32 bits need; the diagonal from kDiagonalTextLength.
constexpr int kResolutionTextLength = 32;

struct BoxReading {
    std::uint32_t width;
    std::uint32_t height;
    char diagonal[kDiagonalTextLength + 1];  // NUL-terminated
};

// The first capacity - 1 units of the text as the readers see them, and the
// NUL after them: a unit outside the grammar ends a width at the digits
// before it and refuses any diagonal that holds it.
template <std::size_t capacity>
inline void ToReaderBytes(BoxText text, char (&bytes)[capacity])
{
    constexpr int kRoom = static_cast<int>(capacity) - 1;
    const int length = text.length < kRoom ? text.length : kRoom;
    for (int i = 0; i < length; ++i) bytes[i] = GrammarByteOf(text.units[i]);
    bytes[length] = '\0';
}

inline std::uint32_t ReadResolution(BoxText text)
{
    char bytes[kResolutionTextLength + 1];
    ToReaderBytes(text, bytes);
    return ReadUnsignedText(bytes);
}

// Width and height read as GetDlgItemInt (unsigned) reads them, the diagonal
// from its first kDiagonalTextLength units, every unit as the readers see it
// (app/grammar_byte.h): a character outside ASCII, or a NUL, never ends a
// text early; width and height stop at it as at any other non-digit, and the
// diagonal is refused.
inline BoxReading ReadBoxes(BoxText width, BoxText height, BoxText diagonal)
{
    BoxReading reading;
    ToReaderBytes(diagonal, reading.diagonal);
    reading.width = ReadResolution(width);
    reading.height = ReadResolution(height);
    return reading;
}
