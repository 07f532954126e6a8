// The calculator dialog as constant tables, free of any window system: the
// template (res/dialog_template.h) with each control's name, one row per edit
// box (its limit, text colour, accessible name and keyboard), the colours,
// and one lookup by id over them. The texts outside the template are in
// res/texts.h, the stand-in font and dialog units in app/dialog_units.h.
// Quorvel.exe takes its template through the resource script and its limits
// and colours from here; the Linux window and the page's generator build
// every control from here; the page's module numbers its boxes by these
// rows; the tests hold the built programs and the page against them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    const char* name;  // the id as the template spells it: IDC_...
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
    {id, #id, static_cast<ControlClass>(atom), text, {x, y, cx, cy}, style, exStyle},

// In template order, which is also the tab order.
constexpr ControlDescription kDialogControls[] = {QUORVEL_DIALOG_CONTROLS(QUORVEL_CONTROL_ENTRY)};

#undef QUORVEL_CONTROL_ENTRY

// Reached only when a lookup misses. It is not constexpr, so a lookup of a
// constant id that misses does not compile; at run time it stops the program
// and says which id it could not find.
[[noreturn]] inline void MissingId(const char* table, int id)
{
    std::fprintf(stderr, "quorvel: no %s with id %d\n", table, id);
    std::abort();
}

// The row with this id, or nullptr: for a question that may have no row, such
// as the colour of a control that keeps its own.
template <typename Row, std::size_t N>
constexpr const Row* FindRow(const Row (&rows)[N], int id)
{
    for (const Row& row : rows) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

// The row with this id, which must be there.
template <typename Row, std::size_t N>
constexpr const Row& RowOf(const Row (&rows)[N], int id, const char* table)
{
    if (const Row* row = FindRow(rows, id)) return *row;
    MissingId(table, id);
}

constexpr const ControlDescription& ControlOf(int id)
{
    return RowOf(kDialogControls, id, "control");
}

// What the template's style bits mean to a front-end without the dialog
// manager, which gives its controls the same tab stops, alignment, default
// button and clicks from these.
constexpr bool IsTabStop(const ControlDescription& control)
{
    return control.style & 0x00010000;  // WS_TABSTOP
}

// The text stands in the middle of the control across: an edit box with
// ES_CENTER, a label with SS_CENTER. A button centres its text itself.
constexpr bool IsCentred(const ControlDescription& control)
{
    switch (control.windowClass) {
        case ControlClass::Edit:
            return control.style & 0x0001;  // ES_CENTER
        case ControlClass::Static:
            return (control.style & 0x001F) == 0x0001;  // SS_CENTER among SS_TYPEMASK
        case ControlClass::Button:
            return false;
    }
    return false;
}

// A label with SS_CENTERIMAGE sits in the middle of its rectangle down, as
// one line as tall as it; any other starts at the top.
constexpr bool IsCentredDown(const ControlDescription& control)
{
    return control.windowClass == ControlClass::Static && control.style & 0x0200;
}

// The button that Enter in a box presses (BS_DEFPUSHBUTTON among BS_TYPEMASK).
constexpr bool IsDefaultButton(const ControlDescription& control)
{
    return control.windowClass == ControlClass::Button && (control.style & 0x000F) == 0x0001;
}

// A label that reports clicks (SS_NOTIFY): wherever a user can reach it, it is
// a keyboard stop after the control before it, answers Enter and Space, and
// is announced as a button that opens a notice.
constexpr bool ReportsClicks(const ControlDescription& control)
{
    return control.windowClass == ControlClass::Static && control.style & 0x0100;
}

// A text colour as the Windows COLORREF holds it: 0x00BBGGRR.
using ColourRef = std::uint32_t;

constexpr std::uint8_t RedOf(ColourRef colour) { return colour & 0xFF; }
constexpr std::uint8_t GreenOf(ColourRef colour) { return (colour >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(ColourRef colour) { return (colour >> 16) & 0xFF; }

// A control that keeps the platform's own text colour (CLR_DEFAULT).
constexpr ColourRef kDefaultColour = 0xFF000000;

// The boxes' background, and the dialog's own where no dialog manager paints
// it (the Linux window's palette, the page).
constexpr ColourRef kEditBackground = 0xFFFFFF;    // white
constexpr ColourRef kDialogBackground = 0xEFEFEF;  // light grey

// The input boxes take at most this many characters; the result box any.
constexpr int kInputLimit = 4;
constexpr int kNoLimit = 0;

// One edit box: what it takes, how it is drawn, and what a screen reader and
// a phone's keyboard make of it.
struct BoxDescription {
    int id;
    int limit;  // characters, or kNoLimit
    ColourRef text;
    // The accessible name: the text of the label the box stands beside (by
    // its id), then a space and the detail where there is one (two boxes
    // share a label).
    int label;
    const char* detail;  // UTF-8, or nullptr
    // The keyboard a phone shows ("numeric", "decimal"), or nullptr for its
    // usual one; any character can still be typed.
    const char* keyboard;
};

// Every edit box. The calculate command reads the first kInputBoxes, and the
// page's module numbers its boxes by their place here.
constexpr BoxDescription kBoxes[] = {
    {IDC_WIDTH, kInputLimit, 0xFF0000, IDC_LABEL_RESOLUTION, "宽", "numeric"},
    {IDC_HEIGHT, kInputLimit, 0xFF0000, IDC_LABEL_RESOLUTION, "高", "numeric"},
    {IDC_DIAGONAL, kInputLimit, 0x0000FF, IDC_LABEL_SIZE, nullptr, "decimal"},
    {IDC_RESULT, kNoLimit, kDefaultColour, IDC_LABEL_PPI, nullptr, nullptr},
};  // blue, blue, red, the edit box's own
constexpr int kInputBoxes = 3;

constexpr const BoxDescription& BoxOf(int id)
{
    return RowOf(kBoxes, id, "box");
}

// The label with this id, which must be there: a static control.
constexpr const ControlDescription& LabelOf(int id)
{
    const ControlDescription* label = FindRow(kDialogControls, id);
    if (!label || label->windowClass != ControlClass::Static) MissingId("label", id);
    return *label;
}

// Every box names a label that is there; one that does not stops the build.
constexpr bool EveryBoxHasItsLabel()
{
    for (const BoxDescription& box : kBoxes) LabelOf(box.label);
    return true;
}
static_assert(EveryBoxHasItsLabel(), "each box's label is a label of the template");

// The box's place in kBoxes.
constexpr int BoxNumberOf(int id)
{
    return static_cast<int>(&BoxOf(id) - kBoxes);
}

struct LabelColour {
    int id;
    ColourRef text;
};

// Every label draws over the dialog's own background; only the contact line
// changes colour.
constexpr LabelColour kLabelColours[] = {
    {IDC_CONTACT, 0xFFBD7B},  // light blue: red 123, green 189, blue 255
};

// What a clickable control does: the calculation, or a modal message box.
enum class CommandKind { Calculate, Message };

// A message box's icon, valued as the Windows message box's style takes it.
enum class MessageIcon : std::uint32_t {
    None = 0x00,         // MB_OK alone
    Information = 0x40,  // MB_ICONINFORMATION
};

// Texts in UTF-8 (char) or, for the Windows program, UTF-16 (wchar_t).
template <typename Char>
struct CommandDescription {
    int id;  // the control that runs it
    CommandKind kind;
    const Char* caption;  // a message box's, else empty
    const Char* text;     // lines end at a carriage return
    MessageIcon icon;
};

// X(id, kind, caption, text, icon): the command behind each control a user
// clicks, written once for every front-end and its tests.
#define QUORVEL_DIALOG_COMMANDS(X)                                                        \
    X(IDC_CALCULATE, CommandKind::Calculate, "", "", MessageIcon::None)                   \
    X(IDC_ABOUT, CommandKind::Message, QUORVEL_ABOUT_CAPTION, QUORVEL_ABOUT_TEXT,         \
      MessageIcon::Information)                                                           \
    X(IDC_CONTACT, CommandKind::Message, QUORVEL_CONTACT_CAPTION, QUORVEL_CONTACT_NOTICE, \
      MessageIcon::None)

#define QUORVEL_COMMAND_ENTRY(id, kind, caption, text, icon) {id, kind, caption, text, icon},
constexpr CommandDescription<char> kCommands[] = {QUORVEL_DIALOG_COMMANDS(QUORVEL_COMMAND_ENTRY)};
#undef QUORVEL_COMMAND_ENTRY

// A control's place on a phone's one column: a grid of three columns, the
// first and last halving a row, the middle one as wide as what it holds.
// The controls follow the template's tab order down the rows: each box's
// label on a row of its own above it, the two boxes that share a label on one
// row with the label between them on the template in the middle, the buttons
// side by side, every other control on a row of its own.
struct PhonePlace {
    int id;
    int row;     // from 1
    int column;  // kWholeRow, or 1 to 3
};

constexpr int kWholeRow = 0;
constexpr int kBetweenColumn = 2;

constexpr PhonePlace kPhonePlaces[] = {
    {IDC_LABEL_RESOLUTION, 1, kWholeRow},
    {IDC_WIDTH, 2, 1},
    {IDC_TIMES, 2, kBetweenColumn},
    {IDC_HEIGHT, 2, 3},
    {IDC_LABEL_SIZE, 3, kWholeRow},
    {IDC_DIAGONAL, 4, kWholeRow},
    {IDC_CALCULATE, 5, 1},
    {IDC_ABOUT, 5, 3},
    {IDC_LABEL_PPI, 6, kWholeRow},
    {IDC_RESULT, 7, kWholeRow},
    {IDC_CONTACT, 8, kWholeRow},
};

// The calculation reads at most this many characters of the diagonal box.
constexpr int kDiagonalTextLength = 9;
