// Seeded inputs for the differential tests: reader texts weighted towards
// the edges of the grammar (digit and exponent limits, denormal and infinite
// results, stray characters anywhere), and resolutions for the density.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace reference {

using InputRandom = std::mt19937_64;

// Texts picked by hand from the edges of the grammar.
const std::vector<std::string>& EdgeTexts();

std::string RandomDecimalText(InputRandom& random);
// The edge texts followed by random ones, `count` in all.
std::vector<std::string> GenerateDecimalTexts(std::uint64_t seed, std::size_t count);

// Widths and heights over the whole unsigned range, with the values where
// the sum of squares passes 2^31 and 2^32.
std::uint32_t RandomDimension(InputRandom& random);
// Mostly what a person types into a four-character box, sometimes anything.
std::string RandomDiagonalText(InputRandom& random);

}  // namespace reference
