#include "app/calculate_command.h"

#include <cstddef>
#include <cstdint>

#include "app/dialog_description.h"
#include "app/grammar_byte.h"
#include "app/unsigned_text.h"
#include "core/density.h"
#include "res/texts.h"

namespace {

// A box holds kInputLimit characters; only a program can put more in one.
// The width and height are read from this many units at most, far more than
// any digits that fit in 32 bits need.
constexpr int kResolutionTextLength = 32;

constexpr char kInputErrorText[] = QUORVEL_INPUT_ERROR_TEXT;
static_assert(sizeof kInputErrorText - 1 <= kResultTextCapacity, "the input-error text fits");

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

ResultBoxText InputErrorText()
{
    ResultBoxText text{};
    for (int i = 0; kInputErrorText[i] != '\0'; ++i) text.bytes[text.length++] = kInputErrorText[i];
    return text;
}

// "%d": the digits are written from the last, the magnitude taken unsigned so
// that INT32_MIN needs no special case.
ResultBoxText DecimalText(std::int32_t value)
{
    char reversed[kResultTextCapacity];
    int count = 0;
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    ResultBoxText text{};
    if (value < 0) text.bytes[text.length++] = '-';
    while (count > 0) text.bytes[text.length++] = reversed[--count];
    return text;
}

}  // namespace

ResultBoxText CalculateCommand(BoxText width, BoxText height, BoxText diagonal)
{
    char diagonalBytes[kDiagonalTextLength + 1];
    ToReaderBytes(diagonal, diagonalBytes);
    const DensityResult result =
        CalculateDensity(ReadResolution(width), ReadResolution(height), diagonalBytes);
    return result.kind == DensityKind::InputError ? InputErrorText() : DecimalText(result.density);
}
