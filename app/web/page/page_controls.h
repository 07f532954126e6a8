// How the page names its elements and ties them together: the dialog's
// client area and every control by the template's own names (IDD_MAIN,
// ControlDescription::name), the message box each opens, and the attribute
// that gives each input box its number in the module.
#pragma once

#include <cctype>
#include <cstring>
#include <string>

#include "app/dialog_description.h"

constexpr char kDialogName[] = "IDD_MAIN";

// The box's number in the module (app/web/module/module_exports.h).
constexpr char kBoxNumberAttribute[] = "data-in";

// The page's message box behind a control's command: a modal dialog named
// after the control, "about-box" for IDC_ABOUT.
inline std::string MessageBoxNameOf(const ControlDescription& control)
{
    std::string name;
    for (const char* c = control.name + std::strlen("IDC_"); *c; ++c)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return name + "-box";
}
