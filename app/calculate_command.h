// The calculate command for a front-end without a dialog manager (the Linux
// program, the web page): the three boxes' texts as the front-end holds them,
// read as the Windows program reads its boxes, and the result box's new text.
#pragma once

// A box's text: UTF-16 units and their count, NUL units included.
struct BoxText {
    const char16_t* units;
    int length;
};

// Room for "%d" of any 32-bit density ("-2147483648") and for the
// input-error text in UTF-8.
constexpr int kResultTextCapacity = 16;

// The result box's text in UTF-8, without a terminating NUL.
struct ResultBoxText {
    char bytes[kResultTextCapacity];
    int length;
};

// Width and height read as GetDlgItemInt (unsigned) reads them, the diagonal
// from its first kDiagonalTextLength units, every unit as the readers see it
// (app/grammar_byte.h): a character outside ASCII, or a NUL, never ends a
// text early; width and height stop at it as at any other non-digit, and the
// diagonal is refused.
ResultBoxText CalculateCommand(BoxText width, BoxText height, BoxText diagonal);
