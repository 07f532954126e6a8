#include "log_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "../log_format.h"

namespace stress {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool DecodeHex(const std::string& field, std::string* bytes)
{
    bytes->clear();
    if (field == kEmptyField) return true;
    if (field.empty() || field.size() % 2 != 0) return false;
    for (size_t i = 0; i < field.size(); i += 2) {
        const int high = HexDigit(field[i]);
        const int low = HexDigit(field[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes->push_back(static_cast<char>(high << 4 | low));
    }
    return true;
}

bool DecodeUnsigned(const std::string& field, std::uint32_t* value)
{
    if (field.empty() || field[0] < '0' || field[0] > '9') return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long long read = std::strtoull(field.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || read > UINT32_MAX) return false;
    *value = static_cast<std::uint32_t>(read);
    return true;
}

}  // namespace

bool ParseLogLine(const std::string& line, LoggedCase* logged)
{
    std::istringstream fields(line);
    std::string number, trigger, entry, width, height, diagonal, shown, extra;
    if (!(fields >> number >> trigger >> entry >> width >> height >> diagonal >> shown))
        return false;
    if (fields >> extra) return false;
    logged->label = number + " " + trigger + " " + entry;
    return DecodeUnsigned(width, &logged->width) && DecodeUnsigned(height, &logged->height) &&
           DecodeHex(diagonal, &logged->diagonal) && DecodeHex(shown, &logged->shown);
}

std::string Escaped(const std::string& bytes)
{
    std::string text;
    for (char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += c;
            continue;
        }
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02x", byte);
        text += escape;
    }
    return text;
}

}  // namespace stress
