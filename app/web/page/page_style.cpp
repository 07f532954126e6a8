#include "app/web/page/page_style.h"

#include <cstring>
#include <utility>
#include <vector>

#include "app/web/page/page_colours.h"
#include "app/web/page/page_texts.h"
#include "app/web/page/page_units.h"

namespace {

using Declarations = std::vector<std::pair<std::string, std::string>>;

template <std::size_t N>
const ControlTextColour* FindTextColour(const ControlTextColour (&table)[N], int id)
{
    for (const ControlTextColour& entry : table) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

const ControlTextColour* TextColourOf(const ControlDescription& control)
{
    return control.windowClass == ControlClass::Edit
               ? FindTextColour(kEditTextColours, control.id)
               : FindTextColour(kStaticTextColours, control.id);
}

ColourRef BackgroundOf(const ControlDescription& control)
{
    return control.windowClass == ControlClass::Edit ? kEditBackground : kDialogBackground;
}

bool IsCentred(const ControlDescription& control)
{
    switch (control.windowClass) {
        case ControlClass::Edit:
            return control.style & kEsCenter;
        case ControlClass::Static:
            return (control.style & kSsTypeMask) == kSsCenter;
        case ControlClass::Button:
            return false;  // a button centres its text itself
    }
    return false;
}

// Labels start at the top; a label with SS_CENTERIMAGE sits in the middle of
// its box, as one line as tall as the box.
int LineHeightOf(const ControlDescription& control, const PixelRect& rect)
{
    if (control.windowClass != ControlClass::Static) return 0;
    return control.style & kSsCenterImage ? rect.height : kBaseUnitHeight;
}

std::string Px(int pixels)
{
    return std::to_string(pixels) + "px";
}

// One rule, "selector{name:value;...}", on a line of its own.
void WriteRule(std::ostream& out, const std::string& selector, const Declarations& declarations)
{
    out << selector << '{';
    const char* separator = "";
    for (const auto& [name, value] : declarations) {
        out << separator << name << ':' << value;
        separator = ";";
    }
    out << "}\n";
}

void WriteRoot(std::ostream& out)
{
    const PixelRect client = ToPixels(kDialog.rect);
    WriteRule(out, ":root",
              {{"--font-size", Px(kFontPixels)},
               {"--dialog-width", Px(client.width)},
               {"--dialog-height", Px(client.height)},
               {"--background", CssColour(kDialogBackground)},
               {"--edit", CssColour(kEditBackground)},
               {"--border", CssColour(kControlBorder)},
               {"--caption", CssColour(kCaptionBar)},
               {"--focus", CssColour(kFocusRing)}});
}

void WriteControlRule(std::ostream& out, const ControlDescription& control)
{
    const PixelRect rect = ToPixels(control.rect);
    Declarations declarations = {{"left", Px(rect.left)},
                                 {"top", Px(rect.top)},
                                 {"width", Px(rect.width)},
                                 {"height", Px(rect.height)}};
    if (IsCentred(control)) declarations.push_back({"text-align", "center"});
    if (const int lineHeight = LineHeightOf(control, rect))
        declarations.push_back({"line-height", Px(lineHeight)});
    if (const ControlTextColour* colour = TextColourOf(control))
        declarations.push_back({"color", CssColour(colour->text)});
    if (control.windowClass == ControlClass::Button &&
        (control.style & kBsTypeMask) == kBsDefPushButton)
        declarations.push_back({"border-color", "var(--focus)"});
    WriteRule(out, std::string("#") + ControlNameOf(control.id), declarations);
}

void WriteMoreContrast(std::ostream& out)
{
    out << "@media (prefers-contrast:more){\n";
    for (const ControlDescription& control : kDialogControls) {
        if (const ControlTextColour* colour = TextColourOf(control)) {
            const ColourRef shade = ContrastingShade(colour->text, BackgroundOf(control));
            if (shade == colour->text) continue;
            WriteRule(out, std::string("#") + ControlNameOf(control.id),
                      {{"color", CssColour(shade)}});
        }
    }
    out << "}\n";
}

// The fixed rules as the browser needs them: without comments, and without
// the spaces and line breaks that only help a reader.
std::string Compact(const std::string& rules)
{
    std::string compact;
    bool space = false;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules.compare(i, 2, "/*") == 0) {
            i = rules.find("*/", i + 2);
            if (i == std::string::npos) break;
            ++i;
            space = true;
            continue;
        }
        const char c = rules[i];
        if (c == ' ' || c == '\n' || c == '\t') {
            space = true;
            continue;
        }
        const bool tight = std::strchr("{};:,>", c) != nullptr;
        if (c == '}' && !compact.empty() && compact.back() == ';') compact.pop_back();
        if (space && !tight && !compact.empty() && !std::strchr("{};:,>\n", compact.back()))
            compact += ' ';
        space = false;
        compact += c;
        if (c == '}') compact += '\n';
    }
    return compact;
}

}  // namespace

void WriteStylesheet(std::ostream& out, const std::string& baseRules)
{
    WriteRoot(out);
    out << Compact(baseRules);
    for (const ControlDescription& control : kDialogControls) WriteControlRule(out, control);
    WriteMoreContrast(out);
}
