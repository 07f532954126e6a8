// The calculator dialog as constant tables, free of any window system: the
// template (res/dialog_template.h), the colours and the input limits; the
// texts outside the template are in res/texts.h. The Windows program takes its colours and limits from here and its
// template from the same list through the resource script; the Linux program
// builds its window from here; the tests hold the built programs against it.
#pragma once

#include <cstdint>

#include "res/dialog_template.h"
#include "res/texts.h"

enum class ControlClass : std::uint16_t {
    Button = QUORVEL_CLASS_BUTTON,
    Edit = QUORVEL_CLASS_EDIT,
    Static = QUORVEL_CLASS_STATIC,
};

// Position and size in dialog units.
struct DialogUnitRect {
    int x, y, cx, cy;
};

struct ControlDescription {
    int id;
    ControlClass windowClass;
    const char* text;  // UTF-8
    DialogUnitRect rect;
    std::uint32_t style;
    std::uint32_t exStyle;
};

struct DialogFont {
    const char* face;
    int points;
    int weight;
    bool italic;
    int charset;
};

struct DialogDescription {
    DialogUnitRect rect;
    std::uint32_t style;
    const char* caption;
    DialogFont font;
};

constexpr DialogDescription kDialog = {
    {QUORVEL_DIALOG_X, QUORVEL_DIALOG_Y, QUORVEL_DIALOG_CX, QUORVEL_DIALOG_CY},
    QUORVEL_DIALOG_STYLE,
    QUORVEL_DIALOG_CAPTION,
    {QUORVEL_DIALOG_FONT_FACE, QUORVEL_DIALOG_FONT_POINTS, QUORVEL_DIALOG_FONT_WEIGHT,
     QUORVEL_DIALOG_FONT_ITALIC != 0, QUORVEL_DIALOG_FONT_CHARSET},
};

#define QUORVEL_CONTROL_ENTRY(id, atom, text, x, y, cx, cy, style, exStyle) \
    {id, static_cast<ControlClass>(atom), text, {x, y, cx, cy}, style, exStyle},

// In template order, which is also the tab order.
constexpr ControlDescription kDialogControls[] = {QUORVEL_DIALOG_CONTROLS(QUORVEL_CONTROL_ENTRY)};

#undef QUORVEL_CONTROL_ENTRY

// The template's style bits that a front-end without the dialog manager
// reads to give its controls the same tab stops, alignment, default button
// and clicks.
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kEsCenter = 0x0001;
constexpr std::uint32_t kBsTypeMask = 0x000F;
constexpr std::uint32_t kBsDefPushButton = 0x0001;
constexpr std::uint32_t kSsTypeMask = 0x001F;
constexpr std::uint32_t kSsCenter = 0x0001;
constexpr std::uint32_t kSsNotify = 0x0100;
constexpr std::uint32_t kSsCenterImage = 0x0200;

// A text colour as the Windows COLORREF holds it: 0x00BBGGRR.
using ColourRef = std::uint32_t;

constexpr std::uint8_t RedOf(ColourRef colour) { return colour & 0xFF; }
constexpr std::uint8_t GreenOf(ColourRef colour) { return (colour >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(ColourRef colour) { return (colour >> 16) & 0xFF; }

struct ControlTextColour {
    int id;
    ColourRef text;
};

// Edit boxes not listed (the result box) keep the default text colour.
constexpr ControlTextColour kEditTextColours[] = {
    {IDC_WIDTH, 0xFF0000},     // blue
    {IDC_HEIGHT, 0xFF0000},    // blue
    {IDC_DIAGONAL, 0x0000FF},  // red
};

// Every label draws over the dialog's own background; only the contact line
// changes colour.
constexpr ControlTextColour kStaticTextColours[] = {
    {IDC_CONTACT, 0xFFBD7B},  // light blue: red 123, green 189, blue 255
};

constexpr ColourRef kEditBackground = 0xFFFFFF;  // white

// The boxes that take at most kInputLimit characters; the result box takes any.
constexpr int kLimitedEdits[] = {IDC_WIDTH, IDC_HEIGHT, IDC_DIAGONAL};
constexpr int kInputLimit = 4;

// The calculation reads at most this many characters of the diagonal box.
constexpr int kDiagonalTextLength = 9;
