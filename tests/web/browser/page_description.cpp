// Prints the dialog description as JSON for the browser tests: the page must
// show what the Windows and Linux programs show, so its expected controls,
// geometry, colours and texts are read from the same tables, not copied.
#include <cstdio>
#include <iterator>

#include "app/box_names.h"
#include "app/dialog_description.h"

namespace {

constexpr std::uint32_t kWsTabStop = 0x00010000;

// Names by the template's own spelling of the ids.
#define QUORVEL_CONTROL_NAME(id, atom, text, x, y, cx, cy, style, exStyle) #id,
constexpr const char* kControlNames[] = {QUORVEL_DIALOG_CONTROLS(QUORVEL_CONTROL_NAME)};
#undef QUORVEL_CONTROL_NAME

const char* NameOf(int id)
{
    for (size_t i = 0; i < std::size(kDialogControls); ++i) {
        if (kDialogControls[i].id == id) return kControlNames[i];
    }
    return "";
}

const char* TextOf(int id)
{
    for (const ControlDescription& control : kDialogControls) {
        if (control.id == id) return control.text;
    }
    return "";
}

const char* ClassOf(ControlClass windowClass)
{
    switch (windowClass) {
        case ControlClass::Button:
            return "button";
        case ControlClass::Edit:
            return "edit";
        case ControlClass::Static:
            return "static";
    }
    return "";
}

// A JSON string; the texts hold no characters below 0x20 but the carriage
// return that breaks a message's lines.
void PrintString(const char* text)
{
    std::putchar('"');
    for (const char* c = text; *c; ++c) {
        if (*c == '\r')
            std::fputs("\\r", stdout);
        else if (*c == '"' || *c == '\\')
            std::printf("\\%c", *c);
        else
            std::putchar(*c);
    }
    std::putchar('"');
}

void PrintControls()
{
    std::puts("\"controls\": [");
    for (size_t i = 0; i < std::size(kDialogControls); ++i) {
        const ControlDescription& c = kDialogControls[i];
        std::printf("  {\"name\": \"%s\", \"class\": \"%s\", \"text\": ", kControlNames[i],
                    ClassOf(c.windowClass));
        PrintString(c.text);
        std::printf(", \"rect\": [%d, %d, %d, %d], \"tabStop\": %s}%s\n", c.rect.x, c.rect.y,
                    c.rect.cx, c.rect.cy, (c.style & kWsTabStop) ? "true" : "false",
                    i + 1 < std::size(kDialogControls) ? "," : "");
    }
    std::puts("],");
}

// The name a screen reader announces for each box.
void PrintBoxNames()
{
    std::fputs("\"boxNames\": {", stdout);
    for (size_t i = 0; i < std::size(kBoxNames); ++i) {
        const BoxName& name = kBoxNames[i];
        std::printf("%s\"%s\": \"%s%s%s\"", i ? ", " : "", NameOf(name.box), TextOf(name.label),
                    name.detail ? " " : "", name.detail ? name.detail : "");
    }
    std::puts("},");
}

template <size_t N>
void PrintColours(const char* key, const ControlTextColour (&colours)[N])
{
    std::printf("\"%s\": {", key);
    for (size_t i = 0; i < N; ++i)
        std::printf("%s\"%s\": [%d, %d, %d]", i ? ", " : "", NameOf(colours[i].id),
                    RedOf(colours[i].text), GreenOf(colours[i].text), BlueOf(colours[i].text));
    std::puts("},");
}

void PrintMessage(const char* key, const char* caption, const char* text)
{
    std::printf("\"%s\": {\"caption\": ", key);
    PrintString(caption);
    std::fputs(", \"text\": ", stdout);
    PrintString(text);
    std::puts("},");
}

}  // namespace

int main()
{
    std::puts("{");
    std::fputs("\"caption\": ", stdout);
    PrintString(kDialog.caption);
    std::printf(",\n\"size\": [%d, %d],\n", kDialog.rect.cx, kDialog.rect.cy);
    PrintControls();
    PrintBoxNames();
    PrintColours("editTextColours", kEditTextColours);
    PrintColours("staticTextColours", kStaticTextColours);
    std::printf("\"editBackground\": [%d, %d, %d],\n", RedOf(kEditBackground),
                GreenOf(kEditBackground), BlueOf(kEditBackground));
    PrintMessage("about", QUORVEL_ABOUT_CAPTION, QUORVEL_ABOUT_TEXT);
    PrintMessage("contact", QUORVEL_CONTACT_CAPTION, QUORVEL_CONTACT_NOTICE);
    std::fputs("\"inputError\": ", stdout);
    PrintString(QUORVEL_INPUT_ERROR_TEXT);
    std::printf(",\n\"inputLimit\": %d\n}\n", kInputLimit);
    return 0;
}
