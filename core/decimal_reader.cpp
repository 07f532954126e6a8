// The decimal reader: a state machine over single characters that gathers
// the digits into packed-decimal accumulators, lets the arithmetic load them
// as exact integers and scales them with its own powers of ten. It never
// looks past the terminating NUL: every state ends the walk on it.
#include "core/decimal_reader.h"

#include "core/extended_ops.h"
#include "core/reader_state.h"

namespace {

enum class Phase { Integer, IntegerPair, Fraction, FractionPair, Exponent, Finished, Failed };

// The largest exponent magnitude; 10^4931 is still a normal Extended.
constexpr std::int32_t kMaxExponent = 4931;
constexpr int kFractionScale = -18;  // the fraction accumulator holds fraction * 10^18

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentMarker(char c) { return c == 'e' || c == 'E'; }
int DigitValue(char c) { return c - '0'; }

struct Walk {
    ReaderState state;
    int heldDigit;  // first digit of a pair, in the pair states
};

void Advance(Walk* walk) { walk->state.position += 1; }

Phase BeginFraction(Walk* walk)
{
    ReaderState& state = walk->state;
    LoadIntegerPart(&state);
    state.filling = &state.fractionPart;
    state.digitsLeft = kAccumulatorDigits;
    state.sawNonZero = false;
    Advance(walk);
    return Phase::Fraction;
}

Phase OnInteger(Walk* walk)
{
    ReaderState& state = walk->state;
    const char c = *state.position;
    if (c == '.') return BeginFraction(walk);
    if (IsExponentMarker(c)) {
        if (state.digitsLeft == kAccumulatorDigits) return Phase::Failed;
        LoadIntegerPart(&state);
        Advance(walk);
        return Phase::Exponent;
    }
    if (c == '\0') {
        if (!state.sawDigit) return Phase::Failed;
        LoadIntegerPart(&state);
        return Phase::Finished;
    }
    if (!IsDigit(c)) return Phase::Failed;
    state.sawDigit = true;
    if (c == '0' && !state.sawNonZero) {  // a leading zero takes no place
        Advance(walk);
        return Phase::Integer;
    }
    state.sawNonZero = true;
    if (state.digitsLeft == 0) return Phase::Failed;
    state.digitsLeft -= 1;
    walk->heldDigit = DigitValue(c);
    Advance(walk);
    return Phase::IntegerPair;
}

Phase OnIntegerPair(Walk* walk)
{
    ReaderState& state = walk->state;
    const char c = *state.position;
    if (IsDigit(c)) {
        state.digitsLeft -= 1;
        StoreDigitPair(state.filling, walk->heldDigit, DigitValue(c));
        Advance(walk);
        return Phase::Integer;
    }
    if (c != '.' && !IsExponentMarker(c) && c != '\0') return Phase::Failed;
    StoreLoneDigit(state.filling, walk->heldDigit);
    if (c == '.') return BeginFraction(walk);
    LoadIntegerPart(&state);
    if (c == '\0') return Phase::Finished;
    Advance(walk);
    return Phase::Exponent;
}

Phase OnFraction(Walk* walk)
{
    ReaderState& state = walk->state;
    const char c = *state.position;
    if (IsExponentMarker(c)) {
        AddFractionPart(&state);
        Advance(walk);
        return Phase::Exponent;
    }
    if (c == '\0') {
        if (!state.sawDigit) return Phase::Failed;
        AddFractionPart(&state);
        return Phase::Finished;
    }
    if (!IsDigit(c)) return Phase::Failed;
    state.sawDigit = true;
    if (c != '0') state.sawNonZero = true;
    if (state.digitsLeft == 0) {
        // Places past the eighteenth may only hold zeros, which change nothing.
        if (c != '0') return Phase::Failed;
        Advance(walk);
        return Phase::Fraction;
    }
    state.digitsLeft -= 1;
    walk->heldDigit = DigitValue(c);
    Advance(walk);
    return Phase::FractionPair;
}

Phase OnFractionPair(Walk* walk)
{
    ReaderState& state = walk->state;
    const char c = *state.position;
    if (IsDigit(c)) {
        if (c != '0') state.sawNonZero = true;
        state.digitsLeft -= 1;
        StoreDigitPair(state.filling, walk->heldDigit, DigitValue(c));
        Advance(walk);
        return Phase::Fraction;
    }
    if (!IsExponentMarker(c) && c != '\0') return Phase::Failed;
    StoreLoneDigit(state.filling, walk->heldDigit);
    AddFractionPart(&state);
    if (c == '\0') return Phase::Finished;
    Advance(walk);
    return Phase::Exponent;
}

// After the marker: an optional sign and at least one digit, up to the NUL.
Phase OnExponent(Walk* walk)
{
    ReaderState& state = walk->state;
    bool negative = false;
    if (*state.position == '+' || *state.position == '-') {
        negative = *state.position == '-';
        Advance(walk);
    }
    if (*state.position == '\0') return Phase::Failed;
    std::int32_t exponent = 0;
    for (; *state.position != '\0'; Advance(walk)) {
        if (!IsDigit(*state.position)) return Phase::Failed;
        exponent = 10 * exponent + DigitValue(*state.position);
        if (exponent > kMaxExponent) return Phase::Failed;
    }
    if (negative) exponent = -exponent;
    state.value = ext::Mul(state.value, ComputePowerOfTen(exponent));
    return Phase::Finished;
}

Phase Step(Walk* walk, Phase phase)
{
    switch (phase) {
        case Phase::Integer: return OnInteger(walk);
        case Phase::IntegerPair: return OnIntegerPair(walk);
        case Phase::Fraction: return OnFraction(walk);
        case Phase::FractionPair: return OnFractionPair(walk);
        case Phase::Exponent: return OnExponent(walk);
        case Phase::Finished:
        case Phase::Failed: break;
    }
    return phase;
}

// Reads `text` in the environment already in force; true with *value set on
// success.
bool Parse(const char* text, Extended* value)
{
    Walk walk{};
    StartReading(&walk.state, text);
    ReaderState& state = walk.state;
    while (*state.position == ' ') Advance(&walk);
    if (*state.position == '\0') return false;
    if (*state.position == '+' || *state.position == '-') {
        const bool negative = *state.position == '-';
        SetAccumulatorSign(&state.integerPart, negative);
        SetAccumulatorSign(&state.fractionPart, negative);
        Advance(&walk);
    }
    Phase phase = Phase::Integer;
    while (phase != Phase::Finished && phase != Phase::Failed) phase = Step(&walk, phase);
    if (phase == Phase::Failed) return false;
    *value = state.value;
    return true;
}

}  // namespace

void StartReading(ReaderState* state, const char* text)
{
    state->position = text;
    ClearAccumulator(&state->integerPart);
    ClearAccumulator(&state->fractionPart);
    state->filling = &state->integerPart;
    state->digitsLeft = kAccumulatorDigits;
    state->sawDigit = false;
    state->sawNonZero = false;
    state->value = ext::LoadInt32(0);
}

void LoadIntegerPart(ReaderState* state)
{
    if (state->digitsLeft == kAccumulatorDigits) {
        state->value = ext::LoadInt32(0);  // +0 whatever the sign
        return;
    }
    RightAlignDigits(&state->integerPart, kAccumulatorDigits - state->digitsLeft);
    state->value = ext::LoadPacked(state->integerPart.packed);
}

void AddFractionPart(ReaderState* state)
{
    if (!state->sawNonZero) return;
    const Extended fraction = ext::Mul(ext::LoadPacked(state->fractionPart.packed),
                                       ComputePowerOfTen(kFractionScale));
    state->value = ext::Add(state->value, fraction);
}

std::uint32_t ReadDecimal(const char* text, Extended* destination, std::uint32_t mode)
{
    const bool handBack = (mode & kReadDecimalHandBack) != 0;
    ext::SavedState saved;
    ext::SaveAndReset(&saved);
    Extended value;
    const bool read = Parse(text, &value);
    if (read && !handBack) *destination = value;
    ext::Restore(&saved);
    if (read && handBack) ext::PushOnStack(value);
    return read ? 1u : 0u;
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
