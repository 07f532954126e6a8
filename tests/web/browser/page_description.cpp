// Prints the dialog description as JSON for the browser tests: the page must
// show what the Windows and Linux programs show, so the tests read its
// controls, their places in pixels, colours, names and texts from the same
// tables and functions the page is written from.
#include <cstdio>
#include <vector>

#include "app/accessible_name.h"
#include "app/web/page/page_controls.h"
#include "app/web/page/page_frame.h"
#include "app/web/page/page_json.h"

namespace {

constexpr const char* kClassNames[] = {"button", "edit", "static"};  // by atom - 0x80

Json Numbers(std::initializer_list<int> values)
{
    std::vector<Json> numbers;
    for (const int value : values) numbers.push_back(std::to_string(value));
    return JsonArray(numbers);
}

Json Control(const ControlDescription& c)
{
    const PixelRect pixels = ToPixels(c.rect, kStandInBaseUnits);
    return JsonObject(
        {{"name", JsonString(c.name)},
         {"class", JsonString(kClassNames[static_cast<int>(c.windowClass) - QUORVEL_CLASS_BUTTON])},
         {"text", JsonString(c.text)},
         {"rect", Numbers({pixels.left, pixels.top, pixels.width, pixels.height})},
         {"tabStop", IsTabStop(c) ? "true" : "false"}});
}

Json Colour(const char* name, const char* property, ColourRef colour)
{
    char rgb[32];
    std::snprintf(rgb, sizeof rgb, "rgb(%d, %d, %d)", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return JsonArray({JsonString(name), JsonString(property), JsonString(rgb)});
}

}  // namespace

int main()
{
    std::vector<Json> controls, colours, boxes;
    std::vector<std::pair<std::string, Json>> names, labels;
    for (const ControlDescription& control : kDialogControls) controls.push_back(Control(control));
    for (const BoxDescription& box : kBoxes) {
        const char* name = ControlOf(box.id).name;
        names.push_back({name, JsonString(AccessibleNameOf(box))});
        labels.push_back({name, JsonString(LabelOf(box.label).name)});
        if (box.text != kDefaultColour) colours.push_back(Colour(name, "color", box.text));
        colours.push_back(Colour(name, "backgroundColor", kEditBackground));
    }
    // Each message box: its opener, its element, caption, text, and whether it shows an icon.
    for (const CommandDescription<char>& c : kCommands) {
        const ControlDescription& opener = ControlOf(c.id);
        if (c.kind == CommandKind::Message)
            boxes.push_back(
                JsonArray({JsonString(opener.name), JsonString(MessageBoxNameOf(opener)),
                           JsonString(c.caption), JsonString(c.text),
                           c.icon == MessageIcon::Information ? "1" : "0"}));
    }
    for (const LabelColour& label : kLabelColours)
        colours.push_back(Colour(ControlOf(label.id).name, "color", label.text));
    const Json description =
        JsonObject({{"caption", JsonString(kDialog.caption)},
                    {"client", Numbers({kClientArea.width, kClientArea.height})},
                    {"controls", JsonArray(controls)},
                    {"boxNames", JsonObject(names)},
                    {"boxLabels", JsonObject(labels)},
                    {"colours", JsonArray(colours)},
                    {"messageBoxes", JsonArray(boxes)},
                    {"inputError", JsonString(QUORVEL_INPUT_ERROR_TEXT)},
                    {"inputLimit", std::to_string(kInputLimit)}});
    std::puts(description.c_str());
    return 0;
}
