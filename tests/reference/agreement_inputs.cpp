#include "tests/reference/agreement_inputs.h"

#include <cstdlib>

#include "tests/reference/input_generator.h"

namespace reference {

namespace {

constexpr std::uint64_t kFixedSeed = 0x51756F7276656C01u;

}  // namespace

std::uint64_t AgreementSeed()
{
    const char* seed = std::getenv("QUORVEL_REFERENCE_SEED");
    return seed != nullptr ? std::strtoull(seed, nullptr, 0) : kFixedSeed;
}

const std::vector<std::string>& AgreementTexts()
{
    static const std::vector<std::string> texts =
        GenerateDecimalTexts(AgreementSeed(), kAgreementTextCount);
    return texts;
}

#if defined(QUORVEL_BACKEND_x87)

const ReaderModel& BackendModel()
{
    return UnitModel();
}
const char* BackendName()
{
    return "x87 (the unit's F2XM1)";
}

#else

const ReaderModel& BackendModel()
{
    return CorrectlyRoundedModel();
}
const char* BackendName()
{
    return "soft (correctly rounded 2^f - 1)";
}

#endif

}  // namespace reference
