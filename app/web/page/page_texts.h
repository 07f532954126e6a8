// What the page shows besides the dialog's own texts, and the texts split the
// way the page lays them out. Every word comes from res/texts.h, the template
// or app/box_names.h.
#pragma once

#include <string>
#include <vector>

#include "app/box_names.h"
#include "app/dialog_description.h"

// A message box of the page: a modal dialog named by its caption.
struct MessageBoxDescription {
    const char* id;
    int opener;  // the control that opens it
    const char* caption;
    const char* text;  // lines end at a carriage return
    bool informationIcon;
};

constexpr MessageBoxDescription kMessageBoxes[] = {
    {"about-box", IDC_ABOUT, QUORVEL_ABOUT_CAPTION, QUORVEL_ABOUT_TEXT, true},
    {"contact-box", IDC_CONTACT, QUORVEL_CONTACT_CAPTION, QUORVEL_CONTACT_NOTICE, false},
};

// The message boxes' one button, as the platform's message box labels it.
constexpr char kOkText[] = "OK";

// Phones show a number pad for these boxes; any character can still be typed.
struct InputModeHint {
    int id;
    const char* mode;
};

constexpr InputModeHint kInputModes[] = {
    {IDC_WIDTH, "numeric"},
    {IDC_HEIGHT, "numeric"},
    {IDC_DIAGONAL, "decimal"},
};

// The lines of a text whose line breaks are single carriage returns.
std::vector<std::string> LinesOf(const char* text);

// The accessible name of a box: its label's text, and a detail after a space.
std::string AccessibleNameOf(const BoxName& name);

// The element id of the dialog's client area and of each control: the
// template's own names.
constexpr char kDialogName[] = "IDD_MAIN";
const char* ControlNameOf(int id);

// The control of the template with this id.
const ControlDescription& ControlOf(int id);

// What search results show for the page: the About box's title line and the
// first line of its body, which says what the page computes.
constexpr int kAboutBodyLine = 2;
std::string PageDescription();

// Every text the page can show, the result box's input-error text included.
std::string ShownText();
