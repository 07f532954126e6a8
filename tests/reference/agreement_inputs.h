// What every agreement test shares: the generated texts, and the model of
// the backend under test (the unit's F2XM1 for the x87 backend, a correctly
// rounded 2^f - 1 for the software one).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/reference/model_reader.h"

namespace reference {

// QUORVEL_REFERENCE_SEED in the environment replaces the fixed seed.
std::uint64_t AgreementSeed();
constexpr std::size_t kAgreementTextCount = 120000;
const std::vector<std::string>& AgreementTexts();

const ReaderModel& BackendModel();
const char* BackendName();

}  // namespace reference
