// The display's details from the model: every quantity by the same sequence
// of operations the core documents (core/display_details.h), each rounded
// once onto the unit's grid by MPFR, and the text written by MPFR's own
// formatting (to nearest, ties to even) from the exact value, which holds
// the core's decimal writer to an independent one.
#pragma once

#include <cstdint>
#include <string>

#include "core/display_details.h"
#include "tests/reference/model_reader.h"

namespace reference {

DisplayDetails ModelDetails(const ReaderModel& model, std::uint32_t width, std::uint32_t height,
                            const char* diagonalText);

// The details as quorvel-cli --json writes them, with the keys of
// app/details_text.h and every number written by MpfrDecimal.
std::string ModelDetailsJson(const DisplayDetails& details);

// The value with `decimals` decimals as MPFR writes it; "" for an infinity
// or NaN.
std::string MpfrDecimal(const Extended& value, int decimals);

// millionths / 10^6 with `decimals` (at most 6) decimals, rounded to nearest even in
// GMP's integers.
std::string ExactMillionths(std::uint64_t millionths, int decimals);

// The constants the core writes as bit patterns, from MPFR: 25.4, 2.54 and
// tan(pi / 10800), each rounded once to the unit's precision.
Extended ModelMillimetresPerInch();
Extended ModelCentimetresPerInch();
Extended ModelTanOneArcminute();

}  // namespace reference
