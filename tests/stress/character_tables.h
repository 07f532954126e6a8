// The characters generated cases are made of. Every character that is typed
// has a code page 936 form, so the box holds exactly what was typed; the
// texts set directly may also carry a tab and a character that code page 936
// lacks, which the program reads in UTF-16 all the same.
#pragma once

namespace stress {

constexpr wchar_t kDigits[] = {L'0', L'1', L'2', L'3', L'4', L'5', L'6', L'7', L'8', L'9'};

// Above 0x7F in code page 936: 中 文 (two bytes each), fullwidth １ ． －,
// é, · and ×, and € (the single byte 0x80).
constexpr wchar_t kHighCharacters[] = {L'\u4E2D', L'\u6587', L'\uFF11', L'\uFF0E', L'\uFF0D',
                                       L'\u00E9', L'\u00B7', L'\u00D7', L'\u20AC'};

// What else may land in a resolution box: spaces, signs, letters, punctuation.
constexpr wchar_t kResolutionOthers[] = {L' ', L'+', L'-', L'a', L'Z', L'x', L'.',
                                         L',', L';', L'#', L'%', L'(', L'_', L'~'};

// The diagonal's grammar characters and its near misses.
constexpr wchar_t kDiagonalOthers[] = {L' ', L'+', L'-', L'.', L'.', L'e', L'E',
                                       L',', L'a', L'x', L'f', L'_', L'/', L':'};

// Only in texts set directly: a tab and Hangul 한, absent from code page 936.
constexpr wchar_t kSetOnlyCharacters[] = {L'\t', L'\uD55C'};

}  // namespace stress
