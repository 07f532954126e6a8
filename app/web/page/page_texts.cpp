#include "app/web/page/page_texts.h"

namespace {

// The ids' names, which the page's script and stylesheet address the controls by.
struct ControlName {
    int id;
    const char* name;
};

#define QUORVEL_CONTROL_NAME(id, atom, text, x, y, cx, cy, style, exStyle) {id, #id},
constexpr ControlName kControlNames[] = {QUORVEL_DIALOG_CONTROLS(QUORVEL_CONTROL_NAME)};
#undef QUORVEL_CONTROL_NAME

}  // namespace

const char* ControlNameOf(int id)
{
    for (const ControlName& name : kControlNames) {
        if (name.id == id) return name.name;
    }
    return "";
}

std::vector<std::string> LinesOf(const char* text)
{
    std::vector<std::string> lines(1);
    for (const char* c = text; *c; ++c) {
        if (*c == '\r')
            lines.emplace_back();
        else
            lines.back() += *c;
    }
    return lines;
}

const ControlDescription& ControlOf(int id)
{
    for (const ControlDescription& control : kDialogControls) {
        if (control.id == id) return control;
    }
    return kDialogControls[0];
}

std::string AccessibleNameOf(const BoxName& name)
{
    std::string text = ControlOf(name.label).text;
    if (name.detail) text += std::string(" ") + name.detail;
    return text;
}

std::string PageDescription()
{
    const std::vector<std::string> lines = LinesOf(QUORVEL_ABOUT_TEXT);
    return lines[0] + ' ' + lines[kAboutBodyLine];
}

std::string ShownText()
{
    std::string text = std::string(kDialog.caption) + QUORVEL_INPUT_ERROR_TEXT + kOkText;
    for (const ControlDescription& control : kDialogControls) text += control.text;
    for (const MessageBoxDescription& box : kMessageBoxes) {
        text += box.caption;
        text += box.text;
    }
    return text;
}
