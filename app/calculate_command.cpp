#include "app/calculate_command.h"

#include <cstdint>

#include "app/box_reading.h"
#include "core/density.h"
#include "res/texts.h"

namespace {

constexpr char kInputErrorText[] = QUORVEL_INPUT_ERROR_TEXT;
static_assert(sizeof kInputErrorText - 1 <= kResultTextCapacity, "the input-error text fits");

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
