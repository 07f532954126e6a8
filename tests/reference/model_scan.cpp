#include "tests/reference/model_scan.h"

namespace reference {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
std::uint64_t DigitOf(char c)
{
    return static_cast<std::uint64_t>(c - '0');
}
bool IsExponentMarker(char c)
{
    return c == 'e' || c == 'E';
}

DecimalScan Refuse(DecimalScan scan, ScanOutcome why)
{
    scan.outcome = why;
    return scan;
}

// After the marker: optional sign, then one or more digits up to the end,
// the magnitude never passing the limit (it only grows, digit by digit).
DecimalScan ScanExponent(const char* p, DecimalScan scan)
{
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p == '\0') return Refuse(scan, ScanOutcome::EmptyExponent);
    int magnitude = 0;
    for (; *p != '\0'; ++p) {
        if (!IsDigit(*p)) return Refuse(scan, ScanOutcome::StrayCharacter);
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > kMaxExponent) return Refuse(scan, ScanOutcome::ExponentTooLarge);
    }
    scan.hasExponent = true;
    scan.exponent = negative ? -magnitude : magnitude;
    scan.outcome = ScanOutcome::Accepted;
    return scan;
}

// Every fraction digit keeps its place; past the eighteenth only zeros may
// follow. No digit is needed before an exponent marker here (".e5").
DecimalScan ScanFraction(const char* p, DecimalScan scan, bool sawDigit)
{
    for (; IsDigit(*p); ++p) {
        sawDigit = true;
        if (scan.fractionDigits == kMaxSignificantDigits) {
            if (*p != '0') return Refuse(scan, ScanOutcome::FractionTooLong);
            continue;
        }
        scan.fraction = scan.fraction * 10 + DigitOf(*p);
        ++scan.fractionDigits;
    }
    for (int place = scan.fractionDigits; place < kMaxSignificantDigits; ++place)
        scan.fraction *= 10;
    if (IsExponentMarker(*p)) return ScanExponent(p + 1, scan);
    if (*p != '\0') return Refuse(scan, ScanOutcome::StrayCharacter);
    if (!sawDigit) return Refuse(scan, ScanOutcome::NoMantissaDigit);
    scan.outcome = ScanOutcome::Accepted;
    return scan;
}

}  // namespace

DecimalScan ScanDecimal(const char* text)
{
    DecimalScan scan;
    const char* p = text;
    while (*p == ' ') ++p;  // spaces only: a tab is a stray character
    if (*p == '\0') return Refuse(scan, ScanOutcome::Empty);
    if (*p == '+' || *p == '-') scan.negative = *p++ == '-';

    bool sawDigit = false;
    for (; IsDigit(*p); ++p) {
        sawDigit = true;
        if (*p == '0' && scan.integerDigits == 0) continue;  // leading zero: no place used
        if (scan.integerDigits == kMaxSignificantDigits)
            return Refuse(scan, ScanOutcome::TooManyIntegerDigits);
        scan.integer = scan.integer * 10 + DigitOf(*p);
        ++scan.integerDigits;
    }
    if (*p == '.') return ScanFraction(p + 1, scan, sawDigit);
    if (IsExponentMarker(*p)) {
        if (scan.integerDigits == 0) return Refuse(scan, ScanOutcome::ExponentBeforeDigit);
        return ScanExponent(p + 1, scan);
    }
    if (*p != '\0') return Refuse(scan, ScanOutcome::StrayCharacter);
    if (!sawDigit) return Refuse(scan, ScanOutcome::NoMantissaDigit);
    scan.outcome = ScanOutcome::Accepted;
    return scan;
}

}  // namespace reference
