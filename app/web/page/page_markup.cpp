#include "app/web/page/page_markup.h"

#include <string>

#include "app/accessible_name.h"
#include "app/web/page/page_colours.h"
#include "app/web/page/page_controls.h"
#include "app/web/page/page_texts.h"
#include "site_files.h"

std::string PageSecurityPolicy()
{
    return "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'sha256-'; "
           "object-src 'none'; base-uri 'none'; form-action 'none'";
}

std::string HeaderSecurityPolicy()
{
    return PageSecurityPolicy() + "; frame-ancestors 'none'";
}

namespace {

// The markup's own characters as entities.
std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        escaped += c == '&'   ? "&amp;"
                   : c == '<' ? "&lt;"
                   : c == '>' ? "&gt;"
                   : c == '"' ? "&quot;"
                              : std::string(1, c);
    }
    return escaped;
}

bool IsFirstTabStop(const ControlDescription& control)
{
    for (const ControlDescription& each : kDialogControls) {
        if (IsTabStop(each)) return &each == &control;
    }
    return false;
}

// The attributes every control carries: its id and the box it opens.
std::string CommonAttributes(const ControlDescription& control)
{
    std::string attributes = std::string(" id=\"") + control.name + '"';
    const CommandDescription<char>* command = FindRow(kCommands, control.id);
    if (command && command->kind == CommandKind::Message)
        attributes += " aria-haspopup=\"dialog\" data-box=\"" + MessageBoxNameOf(control) + '"';
    return attributes;
}

// An input box shows its template text, the result box what the calculate
// command wrote on opening.
void WriteEdit(std::ostream& out, const ControlDescription& control, const std::string& result)
{
    const BoxDescription& box = BoxOf(control.id);
    const bool input = BoxNumberOf(box.id) < kInputBoxes;
    out << "<input" << CommonAttributes(control) << " value=\""
        << Escaped(input ? control.text : result) << '"';
    if (input) out << ' ' << kBoxNumberAttribute << "=\"" << BoxNumberOf(box.id) << '"';
    if (box.limit != kNoLimit) out << " maxlength=\"" << box.limit << '"';
    if (box.keyboard) out << " inputmode=\"" << box.keyboard << '"';
    out << " aria-label=\"" << Escaped(AccessibleNameOf(box)) << '"';
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
    if (ReportsClicks(control)) out << " role=\"button\" tabindex=\"0\"";
    out << '>' << Escaped(control.text) << "</span>\n";
}

void WriteControl(std::ostream& out, const ControlDescription& control,
                  const std::string& firstResult)
{
    switch (control.windowClass) {
        case ControlClass::Edit:
            return WriteEdit(out, control, firstResult);
        case ControlClass::Button:
            return WriteButton(out, control);
        case ControlClass::Static:
            return WriteStatic(out, control);
    }
}

void WriteMessageBox(std::ostream& out, const CommandDescription<char>& box)
{
    const std::string id = MessageBoxNameOf(ControlOf(box.id));
    out << "<dialog id=\"" << id << "\" aria-labelledby=\"" << id
        << "-caption\" aria-describedby=\"" << id << "-text\">\n<h2 id=\"" << id << "-caption\">"
        << Escaped(box.caption) << "</h2>\n";
    out << "<div class=\"message\">";
    if (box.icon == MessageIcon::Information)
        out << "<span class=\"icon\" aria-hidden=\"true\"></span>";
    out << "<div id=\"" << id << "-text\">\n";
    for (const std::string& line : LinesOf(box.text)) out << "<p>" << Escaped(line) << "</p>\n";
    out << "</div></div>\n<div class=\"buttons\"><button class=\"ok\">" << kOkText
        << "</button></div>\n</dialog>\n";
}

// The stylesheet comes with the page; the script and the module it loads are
// asked for at once. The script asks for the font once the page has painted.
void WriteHead(std::ostream& out, const std::string& stylesheet)
{
    out << "<!DOCTYPE html>\n<html lang=\"" << kPageLanguage
        << "\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta http-equiv=\"Content-Security-Policy\" content=\""
        << PageSecurityPolicy()
        << "\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"description\" content=\"" << Escaped(PageDescription()) << "\">\n"
        << "<meta name=\"theme-color\" content=\"" << CssColour(kCaptionBar) << "\">\n"
        << "<title>" << Escaped(kDialog.caption) << "</title>\n"
        << "<link rel=\"manifest\" href=\"" << kManifestFile << "\">\n"
        << "<link rel=\"icon\" href=\"" << kIcons[0].file << "\">\n"
        << "<style>" << stylesheet << "</style>\n"
        << "<script type=\"module\" src=\"" << kScriptFile << "\"></script>\n"
        << "<link rel=\"preload\" href=\"" << kModuleFile << "\" as=\"fetch\" crossorigin>\n"
        << "</head>\n";
}

}  // namespace

void WriteIndexHtml(std::ostream& out, const std::string& stylesheet,
                    const std::string& firstResult)
{
    WriteHead(out, stylesheet);
    out << "<body>\n<main class=\"window\">\n<h1>" << Escaped(kDialog.caption)
        << "</h1>\n<div id=\"" << kDialogName << "\">\n";
    for (const ControlDescription& control : kDialogControls)
        WriteControl(out, control, firstResult);
    out << "</div>\n</main>\n";
    for (const CommandDescription<char>& command : kCommands) {
        if (command.kind == CommandKind::Message) WriteMessageBox(out, command);
    }
    out << "</body>\n</html>\n";
}
