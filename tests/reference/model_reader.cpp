#include "tests/reference/model_reader.h"

#include "tests/reference/extended_mpfr.h"
#include "tests/reference/model_power_of_ten.h"
#include "tests/reference/model_scan.h"

namespace reference {

namespace {

constexpr std::int32_t kFractionScale = -kMaxSignificantDigits;

// An integer of at most 18 digits with its sign: exact at 64 bits.
void SetSignedInteger(mpfr_t x, std::uint64_t magnitude, bool negative)
{
    mpfr_set_uj(x, magnitude, MPFR_RNDN);
    if (negative) mpfr_neg(x, x, MPFR_RNDN);
}

}  // namespace

ReaderModel MakeReaderModel(TwoToXMinusOneStep twoToXMinusOne)
{
    ReaderModel model{twoToXMinusOne, {}};
    model.powers.reserve(2 * kMaxExponent + 1);
    Real power;
    for (std::int32_t x = -kMaxExponent; x <= kMaxExponent; ++x) {
        ModelPowerOfTen(power.v, x, twoToXMinusOne);
        model.powers.push_back(ImageOf(power.v));
    }
    return model;
}

const ReaderModel& CorrectlyRoundedModel()
{
    static const ReaderModel model = MakeReaderModel(TwoToXMinusOneCorrectlyRounded);
    return model;
}

const ReaderModel& UnitModel()
{
    static const ReaderModel model = MakeReaderModel(TwoToXMinusOneFromUnit);
    return model;
}

const Extended& PowerOfTenOf(const ReaderModel& model, std::int32_t x)
{
    return model.powers[static_cast<std::size_t>(x + kMaxExponent)];
}

ModelReading ModelReadDecimal(const ReaderModel& model, const char* text)
{
    const DecimalScan scan = ScanDecimal(text);
    if (scan.outcome != ScanOutcome::Accepted) return {false, {}};
    UseExtendedRange();

    Real value, term, power;
    // With no significant integer digit the value starts as +0: the sign
    // reaches only digits that were stored.
    SetSignedInteger(value.v, scan.integer, scan.negative && scan.integerDigits > 0);
    if (scan.fraction != 0) {
        SetSignedInteger(term.v, scan.fraction, scan.negative);
        SetFromImage(power.v, PowerOfTenOf(model, kFractionScale));
        RoundMul(term.v, term.v, power.v);
        RoundAdd(value.v, value.v, term.v);
    }
    if (scan.hasExponent) {
        SetFromImage(power.v, PowerOfTenOf(model, scan.exponent));
        RoundMul(value.v, value.v, power.v);
    }
    return {true, ImageOf(value.v)};
}

}  // namespace reference
