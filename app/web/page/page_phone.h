// The dialog laid out for a phone, from the template: one column in its tab
// order, on a grid of three columns (the first and last halve a row, the
// middle one is as wide as what it holds). Each box's label takes a row of
// its own above the box; boxes that share a label share a row, with the
// label that stands between them on the template in the middle; the buttons
// stand side by side on the row of the first; every other control takes a
// row of its own where the template lists it.
#pragma once

#include <array>
#include <iterator>

#include "app/dialog_description.h"

constexpr int kWholeRow = 0;

struct PhonePlace {
    int row;     // from 1
    int column;  // kWholeRow, or 1 to 3
};

// The middle column, where a label between two boxes stands.
constexpr int kBetweenColumn = 2;

using PhonePlaces = std::array<PhonePlace, std::size(kDialogControls)>;

// Every control's place, by its index in kDialogControls.
PhonePlaces PhoneLayout();
