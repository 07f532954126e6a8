#include "app/web/page/page_texts.h"

#include <algorithm>

#include "app/web/page/page_controls.h"

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

std::string PageDescription()
{
    const std::vector<std::string> lines = LinesOf(QUORVEL_ABOUT_TEXT);
    const auto blank = std::find(lines.begin(), lines.end(), std::string());
    return lines[0] + ' ' + *(blank + 1);
}

std::string ShownText()
{
    std::string text = std::string(kDialog.caption) + QUORVEL_INPUT_ERROR_TEXT + kOkText;
    for (const ControlDescription& control : kDialogControls) text += control.text;
    for (const CommandDescription<char>& command : kCommands) {
        text += command.caption;
        text += command.text;
    }
    return text;
}
