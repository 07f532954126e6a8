// What the decimal readers see of a box's text. Their grammar is ASCII: a
// UTF-16 unit outside it, and a NUL, becomes a byte the grammar has no place
// for, so it fails wherever it stands and never ends a text early. Nothing is
// mapped to a look-alike ASCII character, as a code page's best fit would.
// Header-only and free of any library: Quorvel.exe links no C runtime.
#pragma once

// No reader accepts this byte anywhere.
constexpr char kNotInGrammar = '\x80';

constexpr char GrammarByteOf(char16_t unit)
{
    return unit != 0 && unit < 0x80 ? static_cast<char>(unit) : kNotInGrammar;
}
