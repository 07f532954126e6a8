// The reader's grammar, checked left to right: which texts it accepts and
// the integers it gathers from them. Knows nothing of floating point.
#pragma once

#include <cstdint>

namespace reference {

constexpr int kMaxSignificantDigits = 18;
constexpr int kMaxExponent = 4931;

// Why a text is refused (the first rule it breaks), or that it is accepted.
enum class ScanOutcome {
    Accepted,
    Empty,                 // nothing but leading spaces
    StrayCharacter,        // a character the grammar has no place for
    NoMantissaDigit,       // the text ends with no digit read (".", "+")
    ExponentBeforeDigit,   // "e" before any significant integer digit ("0e5")
    TooManyIntegerDigits,  // a nineteenth significant integer digit
    FractionTooLong,       // a non-zero fraction digit after eighteen places
    EmptyExponent,         // "1e", "1e+"
    ExponentTooLarge,      // the exponent's magnitude passes 4931
    kCount
};

struct DecimalScan {
    ScanOutcome outcome = ScanOutcome::Empty;
    bool negative = false;       // a "-" sign
    int integerDigits = 0;       // significant integer digits (leading zeros not counted)
    std::uint64_t integer = 0;   // their value
    int fractionDigits = 0;      // fraction places kept (at most 18)
    std::uint64_t fraction = 0;  // the fraction times 10^18
    bool hasExponent = false;
    int exponent = 0;  // signed, |exponent| <= 4931
};

DecimalScan ScanDecimal(const char* text);

}  // namespace reference
