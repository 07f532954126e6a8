#include "tests/golden/golden_row.h"

#include <cstdio>
#include <cstdlib>

namespace golden {

std::string EscapeText(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\\') {
            escaped += "\\\\";
        } else if (byte < 0x20 || byte > 0x7E) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            escaped += hex;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapeText(const std::string& escaped)
{
    std::string text;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\' || i + 1 == escaped.size()) {
            text += escaped[i];
        } else if (escaped[i + 1] == 't') {
            text += '\t';
            ++i;
        } else if (escaped[i + 1] == 'x' && i + 3 < escaped.size()) {
            text += static_cast<char>(std::strtoul(escaped.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            text += escaped[i + 1];
            ++i;
        }
    }
    return text;
}

std::string ReadingOutcome(bool accepted, const Extended& value)
{
    if (!accepted) return "failure";
    std::string hex;
    for (std::uint8_t byte : value.bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        hex += pair;
    }
    return hex;
}

std::string DensityOutcome(const DensityResult& result)
{
    return result.kind == DensityKind::InputError ? "input-error" : std::to_string(result.density);
}

std::vector<std::string> SplitRow(const std::string& row)
{
    std::vector<std::string> fields(1);
    for (char c : row) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

}  // namespace golden
