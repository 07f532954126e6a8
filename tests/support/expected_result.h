// What the result box must show for texts typed into the three boxes, worked
// out by the core itself on what the calculate command reads of them: each
// box keeps its first kInputLimit characters; the width and height are read
// as GetDlgItemInt reads them (proved against Wine by tests/int_reading), the
// diagonal from its first nine units, every unit as the readers see it
// (app/grammar_byte.h). For the differential runs against the Linux window
// and the page.
#pragma once

#include <string>

#include "app/dialog_description.h"
#include "app/grammar_byte.h"
#include "app/unsigned_text.h"
#include "core/density.h"

inline std::string ExpectedResult(const std::wstring& width, const std::wstring& height,
                                  const std::wstring& diagonal)
{
    const auto read = [](const std::wstring& typed) {
        std::string bytes;
        for (const wchar_t unit : typed.substr(0, kInputLimit))
            bytes += GrammarByteOf(static_cast<char16_t>(unit));
        return bytes;
    };
    static_assert(kInputLimit <= kDiagonalTextLength, "the calculation reads all a box keeps");
    const DensityResult result =
        CalculateDensity(ReadUnsignedText(read(width).c_str()),
                         ReadUnsignedText(read(height).c_str()), read(diagonal).c_str());
    if (result.kind == DensityKind::InputError) return QUORVEL_INPUT_ERROR_TEXT;
    return std::to_string(result.density);
}
