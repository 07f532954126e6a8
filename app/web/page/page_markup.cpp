#include "app/web/page/page_markup.h"

#include <string>

#include "app/web/page/page_colours.h"
#include "app/web/page/page_texts.h"
#include "res/resource.h"

const char kContentSecurityPolicy[] =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "object-src 'none'; base-uri 'none'; form-action 'none'";

namespace {

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

const BoxName* BoxNameOf(int id)
{
    for (const BoxName& name : kBoxNames) {
        if (name.box == id) return &name;
    }
    return nullptr;
}

const char* InputModeOf(int id)
{
    for (const InputModeHint& hint : kInputModes) {
        if (hint.id == id) return hint.mode;
    }
    return nullptr;
}

bool IsLimited(int id)
{
    for (int limited : kLimitedEdits) {
        if (limited == id) return true;
    }
    return false;
}

const MessageBoxDescription* BoxOpenedBy(int id)
{
    for (const MessageBoxDescription& box : kMessageBoxes) {
        if (box.opener == id) return &box;
    }
    return nullptr;
}

bool IsFirstTabStop(const ControlDescription& control)
{
    for (const ControlDescription& each : kDialogControls) {
        if (each.style & kWsTabStop) return &each == &control;
    }
    return false;
}

// The attributes every control carries: its id and the box it opens.
std::string CommonAttributes(const ControlDescription& control)
{
    std::string attributes = std::string(" id=\"") + ControlNameOf(control.id) + '"';
    if (const MessageBoxDescription* box = BoxOpenedBy(control.id))
        attributes += std::string(" aria-haspopup=\"dialog\" data-box=\"") + box->id + '"';
    return attributes;
}

void WriteEdit(std::ostream& out, const ControlDescription& control)
{
    out << "<input" << CommonAttributes(control) << " value=\"" << Escaped(control.text) << '"';
    if (IsLimited(control.id)) out << " maxlength=\"" << kInputLimit << '"';
    if (const char* mode = InputModeOf(control.id)) out << " inputmode=\"" << mode << '"';
    if (const BoxName* name = BoxNameOf(control.id))
        out << " aria-label=\"" << Escaped(AccessibleNameOf(*name)) << '"';
    if (IsFirstTabStop(control)) out << " autofocus";
    out << ">\n";
}

void WriteButton(std::ostream& out, const ControlDescription& control)
{
    out << "<button" << CommonAttributes(control) << '>' << Escaped(control.text) << "</button>\n";
}

// A label that reports clicks is also a keyboard stop, so that keyboard users
// reach what it opens.
void WriteStatic(std::ostream& out, const ControlDescription& control)
{
    out << "<span" << CommonAttributes(control);
    if (control.style & kSsNotify) out << " role=\"button\" tabindex=\"0\"";
    out << '>' << Escaped(control.text) << "</span>\n";
}

void WriteControl(std::ostream& out, const ControlDescription& control)
{
    switch (control.windowClass) {
        case ControlClass::Edit:
            return WriteEdit(out, control);
        case ControlClass::Button:
            return WriteButton(out, control);
        case ControlClass::Static:
            return WriteStatic(out, control);
    }
}

void WriteMessageBox(std::ostream& out, const MessageBoxDescription& box)
{
    const std::string id = box.id;
    out << "<dialog id=\"" << id << "\" aria-labelledby=\"" << id
        << "-caption\" aria-describedby=\"" << id << "-text\">\n<h2 id=\"" << id << "-caption\">"
        << Escaped(box.caption) << "</h2>\n";
    out << "<div class=\"message\">";
    if (box.informationIcon) out << "<span class=\"icon\" aria-hidden=\"true\"></span>";
    out << "<div id=\"" << id << "-text\">\n";
    for (const std::string& line : LinesOf(box.text)) out << "<p>" << Escaped(line) << "</p>\n";
    out << "</div></div>\n<div class=\"buttons\"><button class=\"ok\">" << kOkText
        << "</button></div>\n</dialog>\n";
}

// The files are asked for in the order the first result needs them: the
// stylesheet (the script waits for it), the script, the module it loads; the
// font last, as only the first paint waits for it.
void WriteHead(std::ostream& out)
{
    out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta http-equiv=\"Content-Security-Policy\" content=\"" << kContentSecurityPolicy
        << "\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"description\" content=\"" << Escaped(PageDescription()) << "\">\n"
        << "<meta name=\"theme-color\" content=\"" << CssColour(kCaptionBar) << "\">\n"
        << "<title>" << Escaped(kDialog.caption) << "</title>\n"
        << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        << "<link rel=\"icon\" href=\"icon-192.png\">\n"
        << "<link rel=\"stylesheet\" href=\"quorvel.css\">\n"
        << "<script type=\"module\" src=\"quorvel.js\"></script>\n"
        << "<link rel=\"preload\" href=\"quorvel.wasm\" as=\"fetch\" crossorigin>\n"
        << "<link rel=\"preload\" href=\"quorvel.woff2\" as=\"font\" type=\"font/woff2\" "
           "crossorigin>\n</head>\n";
}

}  // namespace

void WriteIndexHtml(std::ostream& out)
{
    WriteHead(out);
    out << "<body>\n<main class=\"window\">\n<h1>" << Escaped(kDialog.caption)
        << "</h1>\n<div id=\"" << kDialogName << "\">\n";
    for (const ControlDescription& control : kDialogControls) WriteControl(out, control);
    out << "</div>\n</main>\n";
    for (const MessageBoxDescription& box : kMessageBoxes) WriteMessageBox(out, box);
    out << "</body>\n</html>\n";
}
