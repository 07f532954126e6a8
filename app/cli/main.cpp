// quorvel-cli: the calculator's calculate command for scripts, and the
// display's details. The three arguments go into the boxes as a program
// would put them there (UTF-8 turned into the boxes' UTF-16 units) and are
// read by the same code as the dialog's boxes, so the result is the
// dialog's.
#include <cstdio>
#include <cstring>

#include "app/calculate_command.h"
#include "app/details_text.h"
#include "core/display_details.h"
#include "res/texts.h"

namespace {

constexpr int kWrongUse = 2;
constexpr int kInputError = 1;
constexpr char kInputErrorText[] = QUORVEL_INPUT_ERROR_TEXT;

const char kUsage[] =
    "usage: quorvel-cli [--details | --json] WIDTH HEIGHT DIAGONAL\n"
    "       quorvel-cli --help | --version\n";

const char kHelp[] =
    "Prints a display's pixel density (PPI) from its resolution and its diagonal\n"
    "in inches, as the Quorvel window computes it: sqrt(WIDTH^2 + HEIGHT^2) /\n"
    "DIAGONAL, rounded to nearest (ties to even), or " QUORVEL_INPUT_ERROR_TEXT
    " (input error)\n"
    "with exit status 1.\n"
    "\n"
    "  --details   every detail of the display, one labelled row each\n"
    "  --json      the details as one JSON object\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "\n"
    "WIDTH and HEIGHT are read at most 32 characters long, DIAGONAL at most 9;\n"
    "a longer text is refused. Wrong use exits with status 2.\n";

enum class Output { Result, Details, Json };

// One argument as a box's UTF-16 units. A byte that starts no UTF-8
// character becomes U+FFFD, as it would in a box; the readers refuse both.
struct Units {
    char16_t units[kResolutionTextLength + 1];
    int length;  // past the room: longer than any box is read
};

Units UnitsOf(const char* text)
{
    Units result{};
    constexpr int kRoom = static_cast<int>(sizeof result.units / sizeof result.units[0]);
    const auto* byte = reinterpret_cast<const unsigned char*>(text);
    while (*byte != 0) {
        char32_t code = 0xFFFD;
        int length = 1;
        if (*byte < 0x80) {
            code = *byte;
        } else if (*byte >= 0xC2 && *byte <= 0xF4) {
            const int continuation = *byte >= 0xF0 ? 3 : (*byte >= 0xE0 ? 2 : 1);
            char32_t decoded = *byte & (0x3F >> continuation);
            int taken = 1;
            while (taken <= continuation && (byte[taken] & 0xC0) == 0x80)
                decoded = decoded << 6 | (byte[taken++] & 0x3F);
            if (taken == continuation + 1) {
                code = decoded;
                length = taken;
            }
        }
        byte += length;
        const bool pair = code > 0xFFFF;
        if (result.length + (pair ? 2 : 1) <= kRoom) {
            if (pair) {
                result.units[result.length] = static_cast<char16_t>(0xD7C0 + (code >> 10));
                result.units[result.length + 1] = static_cast<char16_t>(0xDC00 | (code & 0x3FF));
            } else {
                result.units[result.length] = static_cast<char16_t>(code);
            }
        }
        result.length += pair ? 2 : 1;
    }
    return result;
}

int WrongUse(const char* what, const char* argument)
{
    std::fprintf(stderr, "quorvel-cli: %s%s\n%s", what, argument, kUsage);
    return kWrongUse;
}

// The text as the box holds it, or false with the refusal said: the
// calculation reads only the first `limit` units, and cutting the rest off
// unseen would give the result of another text.
bool FitsBox(const Units& units, int limit, const char* name, const char* argument)
{
    if (units.length <= limit) return true;
    std::fprintf(stderr, "quorvel-cli: %s \"%s\" is longer than the %d characters read\n", name,
                 argument, limit);
    return false;
}

int PrintResult(BoxText width, BoxText height, BoxText diagonal)
{
    const ResultBoxText result = CalculateCommand(width, height, diagonal);
    std::fwrite(result.bytes, 1, static_cast<std::size_t>(result.length), stdout);
    std::fputc('\n', stdout);
    const bool inputError =
        result.length == static_cast<int>(sizeof kInputErrorText - 1) &&
        std::memcmp(result.bytes, kInputErrorText, sizeof kInputErrorText - 1) == 0;
    return inputError ? kInputError : 0;
}

int PrintDetails(Output output, BoxText width, BoxText height, BoxText diagonal)
{
    static char text[kDetailsTextCapacity];
    const BoxReading reading = ReadBoxes(width, height, diagonal);
    const DisplayDetails details =
        CalculateDetails(reading.width, reading.height, reading.diagonal);
    int length = 0;
    if (output == Output::Json) {
        length = WriteDetailsJson(details, text);
        text[length++] = '\n';
    } else {
        length = WriteDetailsRows(details, text);
    }
    std::fwrite(text, 1, static_cast<std::size_t>(length), stdout);
    return details.density.kind == DensityKind::Density ? 0 : kInputError;
}

bool IsOption(const char* argument)
{
    return argument[0] == '-' && ((argument[1] >= 'a' && argument[1] <= 'z') ||
                                  (argument[1] >= 'A' && argument[1] <= 'Z') || argument[1] == '-');
}

}  // namespace

int main(int argc, char** argv)
{
    Output output = Output::Result;
    const char* values[3];
    int valueCount = 0;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (optionsEnd || !IsOption(argument)) {
            if (valueCount == 3) return WrongUse("one argument too many: ", argument);
            values[valueCount++] = argument;
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnd = true;
        } else if (std::strcmp(argument, "--help") == 0) {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return 0;
        } else if (std::strcmp(argument, "--version") == 0) {
            std::puts("quorvel-cli " QUORVEL_VERSION_THREE_PARTS);
            return 0;
        } else if (output == Output::Result && std::strcmp(argument, "--details") == 0) {
            output = Output::Details;
        } else if (output == Output::Result && std::strcmp(argument, "--json") == 0) {
            output = Output::Json;
        } else {
            return WrongUse("unknown option or one too many: ", argument);
        }
    }
    if (valueCount != 3) return WrongUse("three values are needed: WIDTH HEIGHT DIAGONAL", "");

    const Units width = UnitsOf(values[0]);
    const Units height = UnitsOf(values[1]);
    const Units diagonal = UnitsOf(values[2]);
    if (!FitsBox(width, kResolutionTextLength, "WIDTH", values[0]) ||
        !FitsBox(height, kResolutionTextLength, "HEIGHT", values[1]) ||
        !FitsBox(diagonal, kDiagonalTextLength, "DIAGONAL", values[2]))
        return kWrongUse;

    const BoxText widthBox{width.units, width.length};
    const BoxText heightBox{height.units, height.length};
    const BoxText diagonalBox{diagonal.units, diagonal.length};
    if (output == Output::Result) return PrintResult(widthBox, heightBox, diagonalBox);
    return PrintDetails(output, widthBox, heightBox, diagonalBox);
}
