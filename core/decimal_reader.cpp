// The decimal reader: a state machine over single characters that gathers
// the digits into packed-decimal accumulators, lets the arithmetic load them
// as exact integers and scales them with its own powers of ten. It never
// looks past the terminating NUL: every state ends the walk on it.
//
// One handler per state of the grammar (integer, integer pair, fraction,
// fraction pair, exponent); each looks at one character and returns the next
// state. Everything a call works on lives in its ReaderState.
#include "core/decimal_reader.h"

#include "core/extended_ops.h"
#include "core/packed_accumulator.h"
#include "core/power_of_ten.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {

enum class Phase { Integer, IntegerPair, Fraction, FractionPair, Exponent, Finished, Failed };

// The largest exponent magnitude; 10^4931 is still a normal Extended.
constexpr std::int32_t kMaxExponent = 4931;
constexpr int kFractionScale = -18;  // the fraction accumulator holds fraction * 10^18
constexpr Extended kPositiveZero = MakeExtended(0x0000, 0);

struct ReaderState {
    const char* position;            // the character being looked at
    PackedAccumulator integerPart;   // digits before the decimal point
    PackedAccumulator fractionPart;  // digits after it
    PackedAccumulator* filling;      // the accumulator receiving digits
    int digitsLeft;                  // free digit places in `filling`
    int heldDigit;                   // first digit of a pair, in the pair states
    bool sawDigit;                   // any mantissa digit, leading zeros included
    bool sawNonZero;                 // integer: storing has begun; fraction: a non-zero digit
    Extended value;                  // the running value
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsExponentMarker(char c)
{
    return c == 'e' || c == 'E';
}
// The characters on which a part may end without a decimal point after it.
bool EndsPart(char c)
{
    return IsExponentMarker(c) || c == '\0';
}
int DigitValue(char c)
{
    return c - '0';
}

void Advance(ReaderState* state)
{
    state->position += 1;
}

void StartReading(ReaderState* state, const char* text)
{
    state->position = text;
    ClearAccumulator(&state->integerPart);
    ClearAccumulator(&state->fractionPart);
    state->filling = &state->integerPart;
    state->digitsLeft = kAccumulatorDigits;
    state->heldDigit = 0;
    state->sawDigit = false;
    state->sawNonZero = false;
    state->value = kPositiveZero;
}

// The value becomes the stored integer digits (+0 when none were stored).
void LoadIntegerPart(ReaderState* state)
{
    if (state->digitsLeft == kAccumulatorDigits) {
        state->value = kPositiveZero;  // whatever the sign
        return;
    }
    RightAlignDigits(&state->integerPart, kAccumulatorDigits - state->digitsLeft);
    state->value = ext::LoadPacked(state->integerPart.packed);
}

// Adds fraction * 10^-18 to the value when a non-zero fraction digit was read.
void AddFractionPart(ReaderState* state)
{
    if (!state->sawNonZero) return;
    const Extended fraction =
        ext::Mul(ext::LoadPacked(state->fractionPart.packed), ComputePowerOfTen(kFractionScale));
    state->value = ext::Add(state->value, fraction);
}

// The first digit of a pair takes a place and waits in `pair` for its partner.
Phase HoldDigit(ReaderState* state, char c, Phase pair)
{
    state->digitsLeft -= 1;
    state->heldDigit = DigitValue(c);
    Advance(state);
    return pair;
}

// The partner arrives: both are stored in one byte, back to the single state.
Phase CompletePair(ReaderState* state, char c, Phase single)
{
    state->digitsLeft -= 1;
    StoreDigitPair(state->filling, state->heldDigit, DigitValue(c));
    Advance(state);
    return single;
}

// The part's value has been taken; on the NUL the reading is done, on a
// marker the exponent follows.
Phase AfterPart(ReaderState* state)
{
    if (*state->position == '\0') return Phase::Finished;
    Advance(state);
    return Phase::Exponent;
}

Phase BeginFraction(ReaderState* state)
{
    LoadIntegerPart(state);
    state->filling = &state->fractionPart;
    state->digitsLeft = kAccumulatorDigits;
    state->sawNonZero = false;
    Advance(state);
    return Phase::Fraction;
}

Phase OnInteger(ReaderState* state)
{
    const char c = *state->position;
    if (c == '.') return BeginFraction(state);
    if (IsExponentMarker(c) && state->digitsLeft == kAccumulatorDigits) return Phase::Failed;
    if (c == '\0' && !state->sawDigit) return Phase::Failed;
    if (EndsPart(c)) {
        LoadIntegerPart(state);
        return AfterPart(state);
    }
    if (!IsDigit(c)) return Phase::Failed;
    state->sawDigit = true;
    if (c == '0' && !state->sawNonZero) {  // a leading zero takes no place
        Advance(state);
        return Phase::Integer;
    }
    state->sawNonZero = true;
    if (state->digitsLeft == 0) return Phase::Failed;
    return HoldDigit(state, c, Phase::IntegerPair);
}

Phase OnIntegerPair(ReaderState* state)
{
    const char c = *state->position;
    if (IsDigit(c)) return CompletePair(state, c, Phase::Integer);
    if (c != '.' && !EndsPart(c)) return Phase::Failed;
    StoreLoneDigit(state->filling, state->heldDigit);
    if (c == '.') return BeginFraction(state);
    LoadIntegerPart(state);
    return AfterPart(state);
}

Phase OnFraction(ReaderState* state)
{
    const char c = *state->position;
    if (c == '\0' && !state->sawDigit) return Phase::Failed;
    if (EndsPart(c)) {
        AddFractionPart(state);
        return AfterPart(state);
    }
    if (!IsDigit(c)) return Phase::Failed;
    state->sawDigit = true;
    if (c != '0') state->sawNonZero = true;
    if (state->digitsLeft == 0) {
        // Places past the eighteenth may only hold zeros, which change nothing.
        if (c != '0') return Phase::Failed;
        Advance(state);
        return Phase::Fraction;
    }
    return HoldDigit(state, c, Phase::FractionPair);
}

Phase OnFractionPair(ReaderState* state)
{
    const char c = *state->position;
    if (IsDigit(c)) {
        if (c != '0') state->sawNonZero = true;
        return CompletePair(state, c, Phase::Fraction);
    }
    if (!EndsPart(c)) return Phase::Failed;
    StoreLoneDigit(state->filling, state->heldDigit);
    AddFractionPart(state);
    return AfterPart(state);
}

// After the marker: an optional sign and at least one digit, up to the NUL.
Phase OnExponent(ReaderState* state)
{
    bool negative = false;
    if (*state->position == '+' || *state->position == '-') {
        negative = *state->position == '-';
        Advance(state);
    }
    if (*state->position == '\0') return Phase::Failed;
    std::int32_t exponent = 0;
    for (; *state->position != '\0'; Advance(state)) {
        if (!IsDigit(*state->position)) return Phase::Failed;
        exponent = 10 * exponent + DigitValue(*state->position);
        if (exponent > kMaxExponent) return Phase::Failed;
    }
    if (negative) exponent = -exponent;
    state->value = ext::Mul(state->value, ComputePowerOfTen(exponent));
    return Phase::Finished;
}

Phase Step(ReaderState* state, Phase phase)
{
    switch (phase) {
        case Phase::Integer:
            return OnInteger(state);
        case Phase::IntegerPair:
            return OnIntegerPair(state);
        case Phase::Fraction:
            return OnFraction(state);
        case Phase::FractionPair:
            return OnFractionPair(state);
        case Phase::Exponent:
            return OnExponent(state);
        case Phase::Finished:
        case Phase::Failed:
            break;
    }
    return phase;
}

// Reads `text` in the environment already in force; true with *value set on
// success.
bool Parse(const char* text, Extended* value)
{
    ReaderState state;
    StartReading(&state, text);
    while (*state.position == ' ') Advance(&state);
    if (*state.position == '\0') return false;
    if (*state.position == '+' || *state.position == '-') {
        const bool negative = *state.position == '-';
        SetAccumulatorSign(&state.integerPart, negative);
        SetAccumulatorSign(&state.fractionPart, negative);
        Advance(&state);
    }
    Phase phase = Phase::Integer;
    while (phase != Phase::Finished && phase != Phase::Failed) phase = Step(&state, phase);
    if (phase == Phase::Failed) return false;
    *value = state.value;
    return true;
}

}  // namespace

std::uint32_t ReadDecimal(const char* text, Extended* destination, std::uint32_t mode)
{
    const bool handBack = (mode & kReadDecimalHandBack) != 0;
    ext::SavedState saved;
    ext::SaveAndReset(&saved);
    Extended value;
    const bool read = Parse(text, &value);
    if (read && !handBack) *destination = value;
    ext::Restore(&saved);
    if (!read) return 0;
    // Without a register stack the value cannot be handed back: no success.
    if (handBack && !ext::PushOnStack(value)) return 0;
    return 1;
}

DecimalReading ReadDecimalHandBack(const char* text)
{
    DecimalReading reading{};
    ext::SavedState saved;
    ext::SaveAndReset(&saved);
    reading.status = Parse(text, &reading.value) ? 1u : 0u;
    ext::Restore(&saved);
    return reading;
}

}  // namespace QUORVEL_CORE_NAMESPACE
