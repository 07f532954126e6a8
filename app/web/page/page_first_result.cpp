#include "app/web/page/page_first_result.h"

#include <iostream>

#include "app/calculate_command.h"
#include "app/dialog_description.h"

namespace {

// The template's text of a box as the page's script hands it to the module:
// one UTF-16 unit per character. The template's input texts are ASCII.
bool TemplateUnits(int id, std::u16string& units)
{
    for (const char* c = ControlOf(id).text; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x80) {
            std::cerr << "make_page: the template's text of " << ControlOf(id).name
                      << " is not ASCII\n";
            return false;
        }
        units += static_cast<char16_t>(*c);
    }
    return true;
}

BoxText Text(const std::u16string& units)
{
    return {units.data(), static_cast<int>(units.size())};
}

}  // namespace

std::string FirstResultText()
{
    std::u16string width, height, diagonal;
    if (!TemplateUnits(IDC_WIDTH, width) || !TemplateUnits(IDC_HEIGHT, height) ||
        !TemplateUnits(IDC_DIAGONAL, diagonal))
        return "";
    const ResultBoxText result = CalculateCommand(Text(width), Text(height), Text(diagonal));
    return std::string(result.bytes, static_cast<std::size_t>(result.length));
}
