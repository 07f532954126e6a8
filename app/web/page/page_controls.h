// How the page names its elements and ties them together: the dialog's
// client area and every control by the template's own names (IDD_MAIN,
// ControlDescription::name), the message boxes with the control that opens
// each, and the attribute that gives each input box its number in the module.
#pragma once

#include "app/dialog_description.h"

constexpr char kDialogName[] = "IDD_MAIN";

// The box's number in the module (app/web/module/module_exports.h).
constexpr char kBoxNumberAttribute[] = "data-in";

// A message box of the page: a modal dialog named by its caption.
struct MessageBoxDescription {
    int id;  // the control that opens it
    const char* name;
    const char* caption;
    const char* text;  // lines end at a carriage return
    bool informationIcon;
};

constexpr MessageBoxDescription kMessageBoxes[] = {
    {IDC_ABOUT, "about-box", QUORVEL_ABOUT_CAPTION, QUORVEL_ABOUT_TEXT, true},
    {IDC_CONTACT, "contact-box", QUORVEL_CONTACT_CAPTION, QUORVEL_CONTACT_NOTICE, false},
};
