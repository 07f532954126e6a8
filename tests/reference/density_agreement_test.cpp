// CalculateDensity against the model on generated resolutions (the whole
// unsigned range) and diagonal texts. Sums of squares below 2^31 (all the
// dialog can reach) and the larger ones only direct calls reach are held
// apart, so a failure says which it is.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "core/density.h"
#include "tests/reference/agreement_inputs.h"
#include "tests/reference/input_generator.h"
#include "tests/reference/model_density.h"

namespace reference {
namespace {

constexpr int kRandomCases = 100000;
constexpr int kReportedMismatches = 20;
constexpr std::uint64_t kTwoTo31 = std::uint64_t{1} << 31;

struct DensityInput {
    std::uint32_t width;
    std::uint32_t height;
    std::string diagonal;
};

// Whether the sum of squares is too large for a signed 32-bit integer.
bool SumReachesTwoTo31(const DensityInput& input)
{
    const std::uint64_t w2 = std::uint64_t{input.width} * input.width;
    const std::uint64_t h2 = std::uint64_t{input.height} * input.height;
    return w2 >= kTwoTo31 || h2 >= kTwoTo31 || w2 + h2 >= kTwoTo31;
}

// Every edge text once, then random cases; both groups draw from this list.
const std::vector<DensityInput>& DensityInputs()
{
    static const std::vector<DensityInput> inputs = [] {
        std::vector<DensityInput> all;
        InputRandom random(AgreementSeed() + 1);
        for (const std::string& diagonal : EdgeTexts())
            all.push_back({RandomDimension(random), RandomDimension(random), diagonal});
        for (int i = 0; i < kRandomCases; ++i) {
            const std::uint32_t width = RandomDimension(random);
            const std::uint32_t height = RandomDimension(random);
            all.push_back({width, height, RandomDiagonalText(random)});
        }
        return all;
    }();
    return inputs;
}

std::string Show(const DensityResult& r)
{
    return r.kind == DensityKind::InputError ? std::string("input error")
                                             : std::to_string(r.density);
}

void ExpectAgreement(bool wrapping, const char* group)
{
    int cases = 0, mismatches = 0, inputErrors = 0;
    for (const DensityInput& input : DensityInputs()) {
        if (SumReachesTwoTo31(input) != wrapping) continue;
        const char* diagonal = input.diagonal.c_str();
        const DensityResult library = CalculateDensity(input.width, input.height, diagonal);
        const DensityResult model =
            ModelDensity(BackendModel(), input.width, input.height, diagonal);
        ++cases;
        inputErrors += model.kind == DensityKind::InputError;
        const bool agrees = library.kind == model.kind && (model.kind == DensityKind::InputError ||
                                                           library.density == model.density);
        if (agrees) continue;
        if (++mismatches > kReportedMismatches) continue;
        ADD_FAILURE() << "width " << input.width << " height " << input.height << " diagonal \""
                      << input.diagonal << "\": library " << Show(library) << ", model "
                      << Show(model);
    }
    std::cout << "[ " << BackendName() << " ] CalculateDensity, " << group << ": " << cases
              << " cases (" << inputErrors << " input errors), "
              << mismatches << " disagree\n";
    EXPECT_GT(cases, 20000);
    EXPECT_EQ(mismatches, 0);
}

TEST(reference_CalculateDensity, SumsOfSquaresBelow2To31MatchTheModel)
{
    ExpectAgreement(false, "sums below 2^31");
}

// Larger sums are computed exactly, not wrapped at 32 bits.
TEST(reference_CalculateDensity, SumsOfSquaresOf2To31AndMoreMatchTheModel)
{
    ExpectAgreement(true, "sums of 2^31 and more");
}

}  // namespace
}  // namespace reference
