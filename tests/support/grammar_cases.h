// The reader's grammar as one table of texts, each with the first rule it
// breaks (or Accepted) and, for accepted ones, what the value must look like.
// The core's tests hold each backend to the verdicts; the reference model's
// tests hold the model to the reasons as well.
#pragma once

#include <ostream>

#include "tests/reference/model_scan.h"
#include "tests/support/extended_text.h"

// The rules a text can break are the reference model's own outcomes: one list
// of reasons for both the core's tests and the model's.
using Verdict = reference::ScanOutcome;

enum class Shape { Any, PositiveZero, Negative };

struct GrammarCase {
    const char* text;
    Verdict verdict;
    Shape shape;  // of the value, when accepted
};

// GoogleTest names each case by its text.
inline void PrintTo(const GrammarCase& c, std::ostream* out)
{
    *out << Quoted(c.text);
}

inline constexpr GrammarCase kGrammarCases[] = {
    // Spaces, signs and characters outside the grammar.
    {"21.5", Verdict::Accepted, Shape::Any},
    {"  7", Verdict::Accepted, Shape::Any},
    {"7 ", Verdict::StrayCharacter, Shape::Any},
    {"\t7", Verdict::StrayCharacter, Shape::Any},
    {"7\t", Verdict::StrayCharacter, Shape::Any},
    {"1,5", Verdict::StrayCharacter, Shape::Any},
    {"0x10", Verdict::StrayCharacter, Shape::Any},
    {"1..2", Verdict::StrayCharacter, Shape::Any},
    {"1.2.3", Verdict::StrayCharacter, Shape::Any},
    {"--1", Verdict::StrayCharacter, Shape::Any},
    {"+-1", Verdict::StrayCharacter, Shape::Any},
    // Zeros and signs.
    {"0", Verdict::Accepted, Shape::PositiveZero},
    {"00", Verdict::Accepted, Shape::PositiveZero},
    {"+0", Verdict::Accepted, Shape::PositiveZero},
    {"-0", Verdict::Accepted, Shape::PositiveZero},
    {"0.0", Verdict::Accepted, Shape::PositiveZero},
    {"0.", Verdict::Accepted, Shape::PositiveZero},
    {"-0.5", Verdict::Accepted, Shape::Negative},
    {"-7", Verdict::Accepted, Shape::Negative},
    {".5", Verdict::Accepted, Shape::Any},
    {"5.", Verdict::Accepted, Shape::Any},
    {".", Verdict::NoMantissaDigit, Shape::Any},
    {"+", Verdict::NoMantissaDigit, Shape::Any},
    {"-", Verdict::NoMantissaDigit, Shape::Any},
    {"", Verdict::Empty, Shape::Any},
    {"   ", Verdict::Empty, Shape::Any},
    // Exponents.
    {"1e3", Verdict::Accepted, Shape::Any},
    {"1E3", Verdict::Accepted, Shape::Any},
    {"1e+3", Verdict::Accepted, Shape::Any},
    {"1e-3", Verdict::Accepted, Shape::Any},
    {"1e", Verdict::EmptyExponent, Shape::Any},
    {"1e+", Verdict::EmptyExponent, Shape::Any},
    {"1e-", Verdict::EmptyExponent, Shape::Any},
    {"1e1.5", Verdict::StrayCharacter, Shape::Any},
    {"1e+-5", Verdict::StrayCharacter, Shape::Any},
    {"1.5e2x", Verdict::StrayCharacter, Shape::Any},
    {"e5", Verdict::ExponentBeforeDigit, Shape::Any},
    {"0e5", Verdict::ExponentBeforeDigit, Shape::Any},
    {"00e1", Verdict::ExponentBeforeDigit, Shape::Any},
    {".e5", Verdict::Accepted, Shape::PositiveZero},
    {"-.e1", Verdict::Accepted, Shape::PositiveZero},
    {"0.e5", Verdict::Accepted, Shape::PositiveZero},
    {"0.0e5", Verdict::Accepted, Shape::PositiveZero},
    {"1e4931", Verdict::Accepted, Shape::Any},
    {"1e-4931", Verdict::Accepted, Shape::Any},
    {"1e00004931", Verdict::Accepted, Shape::Any},
    {"1e4932", Verdict::ExponentTooLarge, Shape::Any},
    {"1e-4932", Verdict::ExponentTooLarge, Shape::Any},
    {"1e99999", Verdict::ExponentTooLarge, Shape::Any},
    {"11e4931", Verdict::Accepted, Shape::Any},
    // Digit limits.
    {"1234567890123456789", Verdict::TooManyIntegerDigits, Shape::Any},
    {"1000000000000000000", Verdict::TooManyIntegerDigits, Shape::Any},
    {"0.1234567890123456789", Verdict::FractionTooLong, Shape::Any},
    {"0.1234567890123456780000", Verdict::Accepted, Shape::Any},
    // Trailing characters and bytes outside ASCII.
    {"1.5 ", Verdict::StrayCharacter, Shape::Any},
    {"21.5x", Verdict::StrayCharacter, Shape::Any},
    {"\xB2\xE2", Verdict::StrayCharacter, Shape::Any},
    {"1e5 ", Verdict::StrayCharacter, Shape::Any},
    // Further cases on the edges of the rules.
    {"-.", Verdict::NoMantissaDigit, Shape::Any},
    {"-e5", Verdict::ExponentBeforeDigit, Shape::Any},
    {"1e49310", Verdict::ExponentTooLarge, Shape::Any},
    {"1e4931x", Verdict::StrayCharacter, Shape::Any},
    {"123456789012345678", Verdict::Accepted, Shape::Any},
    {"0000000000000000000001", Verdict::Accepted, Shape::Any},
    {"0.123456789012345678", Verdict::Accepted, Shape::Any},
    {"0.1234567890123456780000000", Verdict::Accepted, Shape::Any},
    {"0.0000000000000000001", Verdict::FractionTooLong, Shape::Any},
};
