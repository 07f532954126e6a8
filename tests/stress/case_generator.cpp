// Generated boxes' texts: resolutions of up to four characters, digits
// mostly; diagonals that mostly look like numbers (spaces, sign, digits,
// point, exponent), some of them bent by one character, and some noise.
// Six diagonals in ten are typed (up to six characters, of which the box
// keeps four); four in ten are set with WM_SETTEXT, five to nine characters
// long, and a tenth of those ten or eleven, past what the program reads.
#include "app/dialog_description.h"
#include "character_tables.h"
#include "stress_case.h"

namespace stress {
namespace {

constexpr int kTypedOverrun = 2;  // typed beyond the boxes' limit (kInputLimit), to be refused
constexpr int kProgramRead = kDiagonalTextLength;
constexpr int kSetOverrun = 2;       // set beyond that, to be cut off
constexpr int kSetChance = 40;       // percent of diagonals set, not typed
constexpr int kShapedChance = 75;    // percent of diagonals shaped like numbers
constexpr int kMutationChance = 15;  // percent of shaped ones with one odd character

wchar_t ResolutionCharacter(Random& random)
{
    const int roll = random.Below(100);
    if (roll < 85) return random.Pick(kDigits);
    if (roll < 95) return random.Pick(kResolutionOthers);
    return random.Pick(kHighCharacters);
}

wchar_t OddCharacter(Random& random, Entry entry)
{
    const int roll = random.Below(100);
    if (entry == Entry::Set && roll < 10) return random.Pick(kSetOnlyCharacters);
    if (roll < 30) return random.Pick(kHighCharacters);
    return random.Pick(kDiagonalOthers);
}

// Mostly within the limit; now and then longer, so the limit has to act.
int TypedLength(Random& random)
{
    const int roll = random.Below(100);
    if (roll < 5) return 0;
    if (roll < 85) return 1 + random.Below(kInputLimit);
    return kInputLimit + 1 + random.Below(kTypedOverrun);
}

// Resolutions have three or four digits mostly.
int ResolutionLength(Random& random)
{
    const int roll = random.Below(100);
    if (roll < 20) return TypedLength(random);
    return roll < 40 ? kInputLimit - 1 : kInputLimit;
}

std::wstring ResolutionText(Random& random)
{
    std::wstring text;
    for (int n = ResolutionLength(random); n > 0; --n) text += ResolutionCharacter(random);
    return text;
}

void AppendDigits(Random& random, std::wstring& text, int count)
{
    for (int i = 0; i < count; ++i) text += random.Pick(kDigits);
}

// [spaces][sign][digits][.digits][e[sign]digits]
std::wstring ShapedDiagonal(Random& random, int maxFractionDigits)
{
    std::wstring text;
    if (random.Percent(8)) text.append(static_cast<size_t>(1 + random.Below(2)), L' ');
    if (random.Percent(15)) text += random.Percent(50) ? L'-' : L'+';
    if (random.Percent(10)) text += L'0';
    AppendDigits(random, text, random.Below(4));
    if (random.Percent(60)) {
        text += L'.';
        AppendDigits(random, text, random.Below(maxFractionDigits + 1));
    }
    if (random.Percent(12)) {
        text += random.Percent(50) ? L'e' : L'E';
        if (random.Percent(40)) text += random.Percent(50) ? L'-' : L'+';
        AppendDigits(random, text, 1 + random.Below(random.Percent(10) ? 4 : 2));
    }
    return text;
}

void Mutate(Random& random, std::wstring& text, Entry entry)
{
    const size_t at = static_cast<size_t>(random.Below(static_cast<int>(text.size()) + 1));
    if (at < text.size() && random.Percent(50))
        text[at] = OddCharacter(random, entry);
    else
        text.insert(at, 1, OddCharacter(random, entry));
}

std::wstring NoiseDiagonal(Random& random, Entry entry, int length)
{
    std::wstring text;
    for (int i = 0; i < length; ++i)
        text += random.Percent(55) ? random.Pick(kDigits) : OddCharacter(random, entry);
    return text;
}

// Set texts are the long ones (short ones are typed): beyond the limit, up
// to what the program reads, and now and then beyond that.
int SetLength(Random& random)
{
    if (random.Percent(10)) return kProgramRead + 1 + random.Below(kSetOverrun);
    return kInputLimit + 1 + random.Below(kProgramRead - kInputLimit);
}

// Longer than the program reads: a number filling the first eight or nine
// characters, then odd ones that only a read of more than 9 bytes would see.
// A two-byte character there may also be cut in half by the read.
std::wstring OverlongDiagonal(Random& random, int length)
{
    std::wstring text = ShapedDiagonal(random, kProgramRead);
    const size_t numberLength = static_cast<size_t>(kProgramRead - 1 + random.Below(2));
    while (text.size() < numberLength) text += random.Pick(kDigits);
    text.resize(numberLength);
    while (text.size() < static_cast<size_t>(length)) text += OddCharacter(random, Entry::Set);
    return text;
}

std::wstring DiagonalText(Random& random, Entry entry)
{
    const int cap = entry == Entry::Typed ? TypedLength(random) : SetLength(random);
    if (cap > kProgramRead) return OverlongDiagonal(random, cap);
    if (!random.Percent(kShapedChance)) return NoiseDiagonal(random, entry, cap);
    std::wstring text = ShapedDiagonal(random, entry == Entry::Typed ? 3 : 7);
    if (random.Percent(kMutationChance)) Mutate(random, text, entry);
    if (text.size() > static_cast<size_t>(cap)) text.resize(static_cast<size_t>(cap));
    return text;
}

constexpr Trigger kEnterKeys[] = {Trigger::EnterInWidth, Trigger::EnterInHeight,
                                  Trigger::EnterInDiagonal};

}  // namespace

StressCase GenerateCase(Random& random, int index)
{
    StressCase c;
    c.width = ResolutionText(random);
    c.height = ResolutionText(random);
    c.entry = random.Percent(kSetChance) ? Entry::Set : Entry::Typed;
    c.diagonal = DiagonalText(random, c.entry);
    c.trigger = index % 2 ? Trigger::CalculateButton : kEnterKeys[(index / 2) % 3];
    return c;
}

const char* NameOf(Entry entry)
{
    return entry == Entry::Typed ? "typed" : "set";
}

const char* NameOf(Trigger trigger)
{
    switch (trigger) {
        case Trigger::EnterInWidth:
            return "enter-width";
        case Trigger::EnterInHeight:
            return "enter-height";
        case Trigger::EnterInDiagonal:
            return "enter-diagonal";
        case Trigger::CalculateButton:
            return "button";
    }
    return "?";
}

}  // namespace stress
