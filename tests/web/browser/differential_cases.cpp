// Prints generated cases for the browser's differential run, one a line:
// trigger, width, height and diagonal texts (UTF-8, tab-separated) and the
// result the page must show, worked out by the native core on what each box
// keeps (its first four characters) read by the module's rule: every UTF-16
// unit above 0x7F becomes a byte the grammar refuses.
// Usage: differential_cases COUNT SEED
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/dialog_description.h"
#include "app/unsigned_text.h"
#include "core/density.h"
#include "stress_case.h"

namespace {

constexpr char kRefusedByte = '\x80';

std::string Utf8(const std::wstring& text)
{
    std::string out;
    for (const wchar_t c : text) {
        const auto u = static_cast<unsigned>(c);
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

// What the module reads of a box's text: the units it keeps, as bytes.
std::string ModuleBytes(const std::wstring& text, size_t length)
{
    std::string bytes;
    for (const wchar_t c : text.substr(0, length))
        bytes += static_cast<unsigned>(c) < 0x80 ? static_cast<char>(c) : kRefusedByte;
    return bytes;
}

std::string Expected(const stress::StressCase& c)
{
    const auto kept = static_cast<size_t>(kInputLimit);
    const DensityResult result = CalculateDensity(
        ReadUnsignedText(ModuleBytes(c.width, kept).c_str()),
        ReadUnsignedText(ModuleBytes(c.height, kept).c_str()),
        ModuleBytes(c.diagonal, kept < kDiagonalTextLength ? kept : kDiagonalTextLength).c_str());
    if (result.kind == DensityKind::InputError) return QUORVEL_INPUT_ERROR_TEXT;
    return std::to_string(result.density);
}

// A tab cannot be typed into a box: the key moves the focus.
bool Typeable(const stress::StressCase& c)
{
    return (c.width + c.height + c.diagonal).find(L'\t') == std::wstring::npos;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: differential_cases COUNT SEED\n", stderr);
        return 2;
    }
    const int count = std::atoi(argv[1]);
    stress::Random random(std::strtoull(argv[2], nullptr, 10));
    for (int index = 0, printed = 0; printed < count; ++index) {
        const stress::StressCase c = stress::GenerateCase(random, index);
        if (!Typeable(c)) continue;
        std::printf("%s\t%s\t%s\t%s\t%s\n", stress::NameOf(c.trigger), Utf8(c.width).c_str(),
                    Utf8(c.height).c_str(), Utf8(c.diagonal).c_str(), Expected(c).c_str());
        ++printed;
    }
    return 0;
}
