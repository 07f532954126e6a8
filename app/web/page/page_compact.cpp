#include "app/web/page/page_compact.h"

#include <cstring>

namespace {

bool IsTight(char c)
{
    return c != '\0' && std::strchr("{};:,>=", c) != nullptr;
}

// Past the end of the string or comment that opens at `start`; a line
// comment leaves its line break.
std::size_t EndOf(const std::string& text, std::size_t start)
{
    const char opening = text[start];
    if (opening == '/') {
        const bool block = text[start + 1] == '*';
        const std::size_t end = text.find(block ? "*/" : "\n", start + 2);
        return end == std::string::npos ? text.size() : block ? end + 2 : end;
    }
    std::size_t i = start + 1;
    while (i < text.size() && text[i] != opening) i += text[i] == '\\' ? 2u : 1u;
    return i < text.size() ? i + 1 : text.size();
}

}  // namespace

std::string Compact(const std::string& source)
{
    std::string compact;
    char space = '\0';  // what the white space and comments since the last token call for
    for (std::size_t i = 0; i < source.size();) {
        const char c = source[i];
        if (source.compare(i, 2, "/*") == 0 || source.compare(i, 2, "//") == 0) {
            i = EndOf(source, i);
            if (!space) space = ' ';
        } else if (std::strchr(" \t\r\n", c)) {
            if (c == '\n' || !space) space = c == '\n' ? '\n' : ' ';
            ++i;
        } else {
            if (c == '}' && !compact.empty() && compact.back() == ';') compact.pop_back();
            if (space && !compact.empty() && !IsTight(compact.back()) && !IsTight(c))
                compact += space;
            space = '\0';
            const std::size_t end = std::strchr("'\"`", c) ? EndOf(source, i) : i + 1;
            compact.append(source, i, end - i);
            i = end;
        }
    }
    return compact;
}
