// Colours of the calculator dialog's controls (COLORREF, 0x00BBGGRR).
#pragma once

#include <windows.h>

#include "res/resource.h"

struct ControlTextColour {
    int id;
    COLORREF text;
};

// Edit boxes not listed keep the default text colour.
constexpr ControlTextColour kEditTextColours[] = {
    {IDC_WIDTH, 0xFF0000},     // blue
    {IDC_HEIGHT, 0xFF0000},    // blue
    {IDC_DIAGONAL, 0x0000FF},  // red
};

// Every static draws transparently; only the contact line changes colour.
constexpr ControlTextColour kStaticTextColours[] = {
    {IDC_CONTACT, 0xFFBD7B},  // light blue
};

constexpr COLORREF kEditBackground = 0xFFFFFF;  // white
