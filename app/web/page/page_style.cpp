#include "app/web/page/page_style.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <utility>
#include <vector>

#include "app/web/page/page_colours.h"
#include "app/web/page/page_compact.h"
#include "app/web/page/page_controls.h"
#include "app/web/page/page_frame.h"
#include "site_files.h"

namespace {

using Declarations = std::vector<std::pair<std::string, std::string>>;

// The control's own text colour, or kDefaultColour.
ColourRef TextColourOf(const ControlDescription& control)
{
    if (control.windowClass == ControlClass::Edit) return BoxOf(control.id).text;
    const LabelColour* colour = FindRow(kLabelColours, control.id);
    return colour ? colour->text : kDefaultColour;
}

ColourRef BackgroundOf(const ControlDescription& control)
{
    return control.windowClass == ControlClass::Edit ? kEditBackground : kDialogBackground;
}

// A label starts at the top, or sits in the middle of its box as one line as
// tall as the box.
int LineHeightOf(const ControlDescription& control, const PixelRect& rect)
{
    if (control.windowClass != ControlClass::Static) return 0;
    return IsCentredDown(control) ? rect.height : kStandInBaseUnits.charHeight;
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

std::string Selector(const char* name)
{
    return std::string("#") + name;
}

// The page's own sizes and colours by the names its fixed rules give them.
Declarations PageValues()
{
    return {{"--font", Px(kFontPixels) + "/normal \"" + kFontFamily + '"'},
            {"--window", Px(kWindowWidth)},
            {"--frame", Px(kFrameBorder)},
            {"--margin", Px(kFrameMargin)},
            {"--caption-height", Px(kCaptionHeight)},
            {"--page", CssColour(kPageBackground)},
            {"--text", CssColour(kText)},
            {"--on-caption", CssColour(kCaptionText)},
            {"--background", CssColour(kDialogBackground)},
            {"--edit", CssColour(kEditBackground)},
            {"--border", CssColour(kControlBorder)},
            {"--caption", CssColour(kCaptionBar)},
            {"--focus", CssColour(kFocusRing)},
            {"--face", CssColour(kButtonFaceTop)},
            {"--face-end", CssColour(kButtonFaceBottom)},
            {"--hover", CssColour(kButtonHover)},
            {"--pressed", CssColour(kButtonPressed)},
            {"--backdrop", CssColour(kBackdrop, kBackdropPercent)}};
}

// Every var(--name) of the rules replaced by its value: the page's sizes and
// colours are written in one place, and a page that names each once is
// smaller. A name the rules register with @property is the browser's to
// compute and stays; any other name without a value stops the build.
std::string WithValues(std::string rules)
{
    const Declarations values = PageValues();
    for (std::size_t at = rules.find("var(--"); at != std::string::npos;
         at = rules.find("var(--", at)) {
        const std::size_t end = rules.find(')', at);
        const std::string name = rules.substr(at + 4, end - at - 4);
        if (rules.find("@property " + name + '{') != std::string::npos) {
            at = end;
            continue;
        }
        const auto value = std::find_if(values.begin(), values.end(),
                                        [&name](const auto& each) { return each.first == name; });
        if (value == values.end()) {
            std::cerr << "make_page: the stylesheet names " << name << ", which has no value\n";
            std::exit(1);
        }
        rules.replace(at, end + 1 - at, value->second);
        at += value->second.size();
    }
    return rules;
}

// The client area, and every control placed in it as the template places it.
void WriteDialogRules(std::ostream& out)
{
    WriteRule(out, Selector(kDialogName),
              {{"position", "relative"},
               {"width", Px(kClientArea.width)},
               {"height", Px(kClientArea.height)}});
    WriteRule(out, Selector(kDialogName) + ">*",
              {{"position", "absolute"},
               {"box-sizing", "border-box"},
               {"margin", "0"},
               {"white-space", "nowrap"}});
}

void WriteControlRule(std::ostream& out, const ControlDescription& control)
{
    const PixelRect rect = ToPixels(control.rect, kStandInBaseUnits);
    Declarations declarations = {{"left", Px(rect.left)},
                                 {"top", Px(rect.top)},
                                 {"width", Px(rect.width)},
                                 {"height", Px(rect.height)}};
    if (IsCentred(control)) declarations.push_back({"text-align", "center"});
    if (const int lineHeight = LineHeightOf(control, rect))
        declarations.push_back({"line-height", Px(lineHeight)});
    if (const ColourRef colour = TextColourOf(control); colour != kDefaultColour)
        declarations.push_back({"color", CssColour(colour)});
    if (IsDefaultButton(control)) declarations.push_back({"border-color", "var(--focus)"});
    WriteRule(out, Selector(control.name), declarations);
}

void WriteMoreContrast(std::ostream& out)
{
    out << "@media (prefers-contrast:more){\n";
    for (const ControlDescription& control : kDialogControls) {
        const ColourRef colour = TextColourOf(control);
        if (colour == kDefaultColour) continue;
        const ColourRef shade = ContrastingShade(colour, BackgroundOf(control));
        if (shade != colour) WriteRule(out, Selector(control.name), {{"color", CssColour(shade)}});
    }
    out << "}\n";
}

// Where the platform forces its own colours, a label that reports clicks
// shows as a link.
void WriteForcedColours(std::ostream& out)
{
    out << "@media (forced-colors:active){\n";
    for (const ControlDescription& control : kDialogControls) {
        if (ReportsClicks(control)) WriteRule(out, Selector(control.name), {{"color", "LinkText"}});
    }
    out << "}\n";
}

// On a touch screen narrower than the window: the fixed phone rules, then
// each control's row and column (kPhonePlaces). A label between two boxes
// stands level with them.
void WritePhoneRules(std::ostream& out, const std::string& phoneRules)
{
    std::string rules = Compact(phoneRules);
    for (std::size_t at; (at = rules.find("%DIALOG%")) != std::string::npos;)
        rules.replace(at, std::strlen("%DIALOG%"), kDialogName);
    out << "@media (pointer:coarse) and (max-width:" << kPhoneMaxWidth << "px){\n" << rules << '\n';
    for (const ControlDescription& control : kDialogControls) {
        const PhonePlace& place = RowOf(kPhonePlaces, control.id, "phone place");
        const std::string row = std::to_string(place.row);
        Declarations declarations = {{"grid-row", row}};
        if (place.column != kWholeRow)
            declarations = {{"grid-area", row + '/' + std::to_string(place.column)}};
        if (place.column == kBetweenColumn)
            declarations.insert(declarations.end(), {{"align-self", "center"}, {"margin", "0"}});
        WriteRule(out, Selector(control.name), declarations);
    }
    out << "}\n";
}

}  // namespace

void WriteStylesheet(std::ostream& out, const std::string& baseRules, const std::string& phoneRules)
{
    std::ostringstream rules;
    rules << Compact(baseRules) << '\n';
    WriteDialogRules(rules);
    for (const ControlDescription& control : kDialogControls) WriteControlRule(rules, control);
    WritePhoneRules(rules, phoneRules);
    WriteMoreContrast(rules);
    WriteForcedColours(rules);
    out << WithValues(rules.str());
}
