// Prints the dialog description as JSON for the browser tests: the page must
// show what the Windows and Linux programs show, so the tests read its
// controls, geometry, colours, names and texts from the same tables.
#include <cstdio>
#include <iterator>

#include "app/box_names.h"
#include "app/dialog_description.h"

namespace {

constexpr const char* kClassNames[] = {"button", "edit", "static"};  // by atom - 0x80

// Names by the template's own spelling of the ids.
#define QUORVEL_CONTROL_NAME(id, atom, text, x, y, cx, cy, style, exStyle) #id,
constexpr const char* kControlNames[] = {QUORVEL_DIALOG_CONTROLS(QUORVEL_CONTROL_NAME)};
#undef QUORVEL_CONTROL_NAME

int IndexOf(int id)
{
    int i = 0;
    while (kDialogControls[i].id != id) ++i;
    return i;
}

// A JSON string; the texts hold no control characters but the carriage
// return that breaks a message's lines, and no quotes or backslashes.
void String(const char* text, const char* after = ", ")
{
    std::putchar('"');
    for (const char* c = text; *c; ++c)
        *c == '\r' ? (void)std::fputs("\\r", stdout) : (void)std::putchar(*c);
    std::printf("\"%s", after);
}

void Colour(const char* property, int id, ColourRef colour)
{
    static const char* separator = "";
    std::printf("%s[\"%s\", \"%s\", \"rgb(%d, %d, %d)\"]", separator, kControlNames[IndexOf(id)],
                property, RedOf(colour), GreenOf(colour), BlueOf(colour));
    separator = ", ";
}

}  // namespace

int main()
{
    std::fputs("{\"caption\": ", stdout);
    String(kDialog.caption);
    std::printf("\"size\": [%d, %d], \"controls\": [", kDialog.rect.cx, kDialog.rect.cy);
    for (const ControlDescription& c : kDialogControls) {
        std::printf("%s{\"name\": \"%s\", \"class\": \"%s\", \"text\": ",
                    &c == kDialogControls ? "" : ", ", kControlNames[&c - kDialogControls],
                    kClassNames[static_cast<int>(c.windowClass) - QUORVEL_CLASS_BUTTON]);
        String(c.text);
        std::printf("\"rect\": [%d, %d, %d, %d], \"tabStop\": %s}", c.rect.x, c.rect.y, c.rect.cx,
                    c.rect.cy, c.style & kWsTabStop ? "true" : "false");
    }
    std::fputs("], \"boxNames\": {", stdout);
    for (const BoxName& name : kBoxNames) {
        std::printf("%s\"%s\": \"%s%s%s\"", &name == kBoxNames ? "" : ", ",
                    kControlNames[IndexOf(name.box)], kDialogControls[IndexOf(name.label)].text,
                    name.detail ? " " : "", name.detail ? name.detail : "");
    }
    std::fputs("}, \"colours\": [", stdout);
    for (const ControlTextColour& c : kEditTextColours) Colour("color", c.id, c.text);
    for (const ControlTextColour& c : kStaticTextColours) Colour("color", c.id, c.text);
    for (const int id : {IDC_WIDTH, IDC_HEIGHT, IDC_DIAGONAL, IDC_RESULT})
        Colour("backgroundColor", id, kEditBackground);
    std::fputs("], \"about\": [", stdout);
    String(QUORVEL_ABOUT_CAPTION);
    String(QUORVEL_ABOUT_TEXT, "], \"contact\": [");
    String(QUORVEL_CONTACT_CAPTION);
    String(QUORVEL_CONTACT_NOTICE, "], \"inputError\": ");
    String(QUORVEL_INPUT_ERROR_TEXT, "");
    std::printf(", \"inputLimit\": %d}\n", kInputLimit);
    return 0;
}
