// The calculate command for a front-end without a dialog manager (the Linux
// program, the web page): the three boxes' texts as the front-end holds them,
// read as the Windows program reads its boxes, and the result box's new text.
#pragma once

#include "app/box_reading.h"

// Room for "%d" of any 32-bit density ("-2147483648") and for the
// input-error text in UTF-8.
constexpr int kResultTextCapacity = 16;

// The result box's text in UTF-8, without a terminating NUL.
struct ResultBoxText {
    char bytes[kResultTextCapacity];
    int length;
};

// The boxes read as ReadBoxes (app/box_reading.h) reads them.
ResultBoxText CalculateCommand(BoxText width, BoxText height, BoxText diagonal);
