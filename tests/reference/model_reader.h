// The reader's value: (I + F * 10^-18) * 10^e with the powers of ten from
// the power-of-ten model, each operation rounded once to the unit's format.
// The fraction term only when a non-zero fraction digit was read, the
// exponent factor only when an exponent was written.
#pragma once

#include <cstdint>
#include <vector>

#include "core/extended.h"
#include "tests/reference/two_to_x_minus_one.h"

namespace reference {

// The power-of-ten model for every exponent the reader can meet, built once.
struct ReaderModel {
    TwoToXMinusOneStep twoToXMinusOne;
    std::vector<Extended> powers;  // 10^x at index x + 4931
};

ReaderModel MakeReaderModel(TwoToXMinusOneStep twoToXMinusOne);
// Built on first use and kept: 2^f - 1 correctly rounded, or from the unit.
const ReaderModel& CorrectlyRoundedModel();
const ReaderModel& UnitModel();                                          // HaveUnit() only
const Extended& PowerOfTenOf(const ReaderModel& model, std::int32_t x);  // |x| <= 4931

struct ModelReading {
    bool accepted;
    Extended value;  // meaningful only when accepted
};

ModelReading ModelReadDecimal(const ReaderModel& model, const char* text);

}  // namespace reference
