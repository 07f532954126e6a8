#include "tests/reference/input_generator.h"

#include "app/dialog_description.h"

#include <array>
#include <cstddef>

namespace reference {

namespace {

constexpr int kMaxExponent = 4931;

// Characters that do not belong where they land, or do not belong at all.
constexpr char kStrayCharacters[] =
    " \t.,eE+-x/:\x80\x7F"
    "0";
constexpr char kNoiseAlphabet[] = "0123456789000..eE+--  \t,x";

const std::vector<std::string> kEdgeTexts = {
    // Accepted shapes.
    "21.5", "  7", "0", "00", "+0", "-0", "0.0", "0.", "-0.5", ".5", "5.", "1e3", "1E3", "1e+3",
    "1e-3", ".e5", "-.e1", "0.e5", "0.0e5", "1e4931", "1e-4931", "1e00004931", "11e4931", "12e4931",
    "99e4931", "-99e4931", ".000000000000000001e-4931", "123456789012345678", "-999999999999999999",
    "0000000000000000000001", "0.123456789012345678", "0.123456789012345678000000", "13.3", "15.6",
    "1.5", "1e2", "5.e2", "10e1", "1e0", "2.5", "5.5", "1e-0", "1e+0", "-1e-4931", ".1e-4931",
    "999999999999999999.999999999999999999e4931", "-.999999999999999999e-4931", "1e-18",
    ".000000000000000001",
    // Refused shapes.
    "", " ", "    ", "7 ", "\t7", "1,5", "0x10", "1..2", "1.2.3", "--1", "+-1", ".", "+", "-", "1e",
    "1e+", "1e-", "1e1.5", "1e+-5", "1.5e2x", "e5", "0e5", "00e1", "-e5", "1e4932", "1e-4932",
    "1e99999", "1234567890123456789", "1000000000000000000", "0.1234567890123456789",
    "0.0000000000000000001", "1e 5", "1 e5", " -", "- 1", "1.e", "1ee5", "1e5e5", "+.", "-.", ".-5",
    "1.-5"};

int Pick(InputRandom& random, int limit)
{
    return static_cast<int>(random() % static_cast<std::uint64_t>(limit));
}

int Between(InputRandom& random, int low, int high)
{
    return low + Pick(random, high - low + 1);
}
bool Chance(InputRandom& random, int percent)
{
    return Pick(random, 100) < percent;
}

char Digit(InputRandom& random, bool nonZero)
{
    return static_cast<char>(nonZero ? '1' + Pick(random, 9) : '0' + Pick(random, 10));
}

template <std::size_t N>
char OneOf(InputRandom& random, const char (&characters)[N])
{
    return characters[Pick(random, static_cast<int>(N - 1))];  // N - 1: not the NUL
}

std::string Digits(InputRandom& random, int count, bool firstNonZero)
{
    std::string digits;
    for (int i = 0; i < count; ++i) digits += Digit(random, firstNonZero && i == 0);
    return digits;
}

std::string LeadingSpaces(InputRandom& random)
{
    if (Chance(random, 80)) return "";
    return std::string(static_cast<std::size_t>(Between(random, 1, 3)), ' ');
}

std::string Sign(InputRandom& random)
{
    const int roll = Pick(random, 100);
    if (roll < 60) return "";
    return roll < 75 ? "+" : "-";
}

// Significant integer digits, weighted towards the 18-digit limit.
int SignificantCount(InputRandom& random)
{
    const int roll = Pick(random, 100);
    if (roll < 60) return Between(random, 1, 17);
    if (roll < 82) return 18;
    if (roll < 95) return 19;
    return Between(random, 20, 22);
}

std::string IntegerPart(InputRandom& random)
{
    if (Chance(random, 20)) return "";
    std::string zeros(static_cast<std::size_t>(Chance(random, 30) ? Between(random, 1, 25) : 0),
                      '0');
    if (Chance(random, 20)) return zeros.empty() ? "0" : zeros;
    const int count = SignificantCount(random);
    if (Chance(random, 10))
        return zeros + "1" + std::string(static_cast<std::size_t>(count - 1), '0');
    return zeros + Digits(random, count, true);
}

// Fraction digits, weighted towards the 18-place limit and what follows it.
std::string FractionPart(InputRandom& random)
{
    const int roll = Pick(random, 100);
    int count = 0;
    if (roll < 10)
        count = 0;
    else if (roll < 62)
        count = Between(random, 1, 17);
    else if (roll < 77)
        count = 18;
    else
        count = Between(random, 19, 26);
    const int kept = count < 18 ? count : 18;
    const int leadingZeros = Chance(random, 25) ? Between(random, 0, kept) : 0;
    std::string digits(static_cast<std::size_t>(leadingZeros), '0');
    digits += Digits(random, kept - leadingZeros, false);
    if (count > 18) {
        const bool zerosOnly = Chance(random, 60);
        for (int i = 18; i < count; ++i) digits += zerosOnly ? '0' : Digit(random, false);
    }
    return digits;
}

int ExponentMagnitude(InputRandom& random)
{
    const int roll = Pick(random, 100);
    if (roll < 40) return Between(random, 0, 40);
    if (roll < 60) return Between(random, 0, kMaxExponent);
    if (roll < 85) return Between(random, 4900, 4940);
    if (roll < 95) return Between(random, 4925, kMaxExponent);
    return Between(random, 5000, 999999);
}

std::string ExponentPart(InputRandom& random, const char* forcedSign, int magnitude)
{
    std::string text(1, Chance(random, 70) ? 'e' : 'E');
    text += forcedSign;
    if (Chance(random, 5)) return text;  // no digits
    if (Chance(random, 20))
        text += std::string(static_cast<std::size_t>(Between(random, 1, 4)), '0');
    return text + std::to_string(magnitude);
}

std::string RandomExponentSign(InputRandom& random)
{
    const int roll = Pick(random, 100);
    if (roll < 40) return "";
    return roll < 60 ? "+" : "-";
}

std::string PlainText(InputRandom& random)
{
    std::string text = LeadingSpaces(random) + Sign(random);
    const std::string integer = IntegerPart(random);
    text += integer;
    if (Chance(random, integer.empty() ? 85 : 45)) text += "." + FractionPart(random);
    if (Chance(random, 50))
        text += ExponentPart(random, RandomExponentSign(random).c_str(), ExponentMagnitude(random));
    return text;
}

// Fractions scaled by 10^-4900 and below: denormal results.
std::string TinyText(InputRandom& random)
{
    std::string text = Sign(random) + (Chance(random, 50) ? "." : "0.");
    const int zeros = Between(random, 0, 17);
    text += std::string(static_cast<std::size_t>(zeros), '0');
    text += Digits(random, Between(random, 1, 18 - zeros), true);
    return text + ExponentPart(random, "-", Between(random, 4900, kMaxExponent));
}

// Large integers scaled by 10^4900 and above: infinite results.
std::string HugeText(InputRandom& random)
{
    std::string text = Sign(random) + Digits(random, Between(random, 1, 18), true);
    if (Chance(random, 30)) text += "." + Digits(random, Between(random, 0, 18), false);
    return text +
           ExponentPart(random, Chance(random, 50) ? "+" : "", Between(random, 4900, kMaxExponent));
}

// Mantissas at the digit limits: 18 or 19 significant digits, 18 fraction
// places and what may follow them.
std::string LimitText(InputRandom& random)
{
    std::string text = Sign(random);
    text += std::string(static_cast<std::size_t>(Between(random, 0, 4)), '0');
    const int integerDigits = Between(random, 17, 19);
    text += Chance(random, 20) ? "1" + std::string(static_cast<std::size_t>(integerDigits - 1), '0')
                               : Digits(random, integerDigits, true);
    if (Chance(random, 50)) {
        text += "." + Digits(random, 18, false);
        text += std::string(static_cast<std::size_t>(Between(random, 0, 5)), '0');
        if (Chance(random, 30)) text += Digit(random, true);
    }
    return text;
}

std::string NoiseText(InputRandom& random)
{
    std::string text;
    for (int length = Between(random, 0, 12); length > 0; --length)
        text += OneOf(random, kNoiseAlphabet);
    return text;
}

// A stray character inserted, substituted or appended anywhere.
std::string Corrupt(InputRandom& random, std::string text)
{
    const char stray = OneOf(random, kStrayCharacters);
    const auto at = static_cast<std::size_t>(Pick(random, static_cast<int>(text.size()) + 1));
    if (at < text.size() && Chance(random, 50))
        text[at] = stray;
    else
        text.insert(at, 1, stray);
    return text;
}

using Shape = std::string (*)(InputRandom&);

struct WeightedShape {
    int weight;
    Shape shape;
};

constexpr std::array<WeightedShape, 5> kShapes = {{
    {70, PlainText},
    {8, TinyText},
    {7, HugeText},
    {8, LimitText},
    {7, NoiseText},
}};

constexpr int kCorruptPercent = 6;

// Four-character boxes, the whole range, and the edges of 2^31 and 2^32 sums.
constexpr std::array<std::uint32_t, 17> kSpecialDimensions = {
    0u,     1u,     2u,     205u,   207u,        1080u,       1920u,       9999u,      46340u,
    46341u, 65535u, 65536u, 92681u, 2147483647u, 2147483648u, 4294967294u, 4294967295u};

}  // namespace

const std::vector<std::string>& EdgeTexts()
{
    return kEdgeTexts;
}

std::string RandomDecimalText(InputRandom& random)
{
    int roll = Pick(random, 100);
    Shape shape = kShapes.back().shape;
    for (const WeightedShape& candidate : kShapes) {
        if (roll < candidate.weight) {
            shape = candidate.shape;
            break;
        }
        roll -= candidate.weight;
    }
    std::string text = shape(random);
    return Chance(random, kCorruptPercent) ? Corrupt(random, text) : text;
}

std::vector<std::string> GenerateDecimalTexts(std::uint64_t seed, std::size_t count)
{
    InputRandom random(seed);
    std::vector<std::string> texts(kEdgeTexts.begin(), kEdgeTexts.end());
    while (texts.size() < count) texts.push_back(RandomDecimalText(random));
    return texts;
}

std::uint32_t RandomDimension(InputRandom& random)
{
    const int roll = Pick(random, 100);
    if (roll < 10)
        return kSpecialDimensions[static_cast<std::size_t>(
            Pick(random, static_cast<int>(kSpecialDimensions.size())))];
    if (roll < 65) return static_cast<std::uint32_t>(Between(random, 0, 9999));
    if (roll < 80) return static_cast<std::uint32_t>(Between(random, 40000, 70000));
    return static_cast<std::uint32_t>(random());
}

std::string RandomDiagonalText(InputRandom& random)
{
    const int roll = Pick(random, 100);
    if (roll < 35)
        return Digits(random, Between(random, 1, 2), false) + "." + Digits(random, 1, false);
    if (roll < 55) return Digits(random, Between(random, 1, 4), false);
    if (roll < 65)
        return Sign(random) + Digits(random, Between(random, 1, 2), false) + "e" +
               RandomExponentSign(random) + std::to_string(Between(random, 0, 12));
    // As long as the calculation reads of the diagonal, at most.
    if (roll < 85) return RandomDecimalText(random).substr(0, kDiagonalTextLength);
    return RandomDecimalText(random);
}

}  // namespace reference
