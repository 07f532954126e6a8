// How the calculate command reads its boxes (app/calculate_command.h), for
// the two files that read them: the command itself and ReadBoxes. Each gets
// its own copy, so that each call inlines as it did when the command was the
// only reader, and the page's module stays as small.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/calculate_command.h"
#include "app/grammar_byte.h"
#include "app/unsigned_text.h"

namespace {

// The first capacity - 1 units of the text as the readers see them, and the
// NUL after them: a unit outside the grammar ends a width at the digits
// before it and refuses any diagonal that holds it.
template <std::size_t capacity>
void ToReaderBytes(BoxText text, char (&bytes)[capacity])
{
    constexpr int kRoom = static_cast<int>(capacity) - 1;
    const int length = text.length < kRoom ? text.length : kRoom;
    for (int i = 0; i < length; ++i) bytes[i] = GrammarByteOf(text.units[i]);
    bytes[length] = '\0';
}

std::uint32_t ReadResolution(BoxText text)
{
    char bytes[kResolutionTextLength + 1];
    ToReaderBytes(text, bytes);
    return ReadUnsignedText(bytes);
}

}  // namespace
