// Random operands for comparing the software model with the unit, drawn to
// crowd the places where arithmetic goes wrong: denormals and the underflow
// boundary, the overflow boundary, short significands (exact results and
// exact ties), equal and neighbouring exponents (cancellation), zeros,
// infinities, NaNs and the encodings the unit rejects.
#pragma once

#include <cstdint>
#include <random>

#include "core/extended.h"

namespace operands {

using Rng = std::mt19937_64;

// 0 .. n-1.
std::uint32_t Below(Rng& rng, std::uint32_t n);

// A sign and exponent field with a random sign.
std::uint16_t WithSign(Rng& rng, std::uint32_t exponent);

// Any operand, from the whole mix.
Extended Any(Rng& rng);

// A finite non-zero operand with a random sign.
Extended Finite(Rng& rng);

// How two operands combine, which decides what exponent of the partner
// puts the result near an end of the range.
enum class Combine { kSum, kProduct, kQuotient };

// A partner for a in a binary operation: independent, or with a nearby
// exponent, or a sibling significand (cancellation), or with the exponent
// that puts the product or quotient near the underflow or overflow boundary.
Extended Partner(const Extended& a, Combine combine, Rng& rng);

// The special operands, all crossed with each other in the exhaustive tests.
extern const Extended kSpecials[];
extern const int kSpecialCount;

}  // namespace operands
