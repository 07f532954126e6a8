// Writes the golden tables from the MPFR model: reading.tsv (texts and the
// 10 bytes each reads to), density.tsv (resolution, diagonal, density) and
// details.tsv (resolution, diagonal, the details as quorvel-cli --json).
// Further outcome columns appear only where an x87 unit's own F2XM1 gives a
// different last bit from the correctly rounded 2^f - 1 that the software
// backend computes. Units differ by vendor, so the columns recorded on other
// processors are kept and this machine's unit is added to them.
//   generate_golden OUTPUT_DIRECTORY
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "tests/golden/golden_row.h"
#include "tests/reference/input_generator.h"
#include "tests/reference/model_density.h"
#include "tests/reference/model_details.h"
#include "tests/reference/two_to_x_minus_one.h"

namespace {

constexpr std::uint64_t kSeed = 0x476F6C64656E0001u;
constexpr std::size_t kTextCount = 20000;
constexpr std::size_t kTripleCount = 2500;
constexpr std::size_t kDetailsCount = 300;

const char kReadingHeader[] =
    "# Decimal texts and what ReadDecimal stores for each: 20 hex digits, the\n"
    "# 10 bytes lowest address first, or failure. Further columns, where present,\n"
    "# are what x87 units give where their F2XM1 differs in the last bit from\n"
    "# the correctly rounded 2^f - 1 of the software backend (units differ by\n"
    "# vendor); the x87 backend may give any outcome of its row.\n"
    "# Regenerate: cmake --build --preset native --target golden-table\n";

const char kDensityHeader[] =
    "# Width, height, diagonal text and CalculateDensity's result (density or\n"
    "# input-error); further columns as in reading.tsv for the x87 backend.\n"
    "# Regenerate: cmake --build --preset native --target golden-table\n";

const char kDetailsHeader[] =
    "# Width, height, diagonal text and the display's details as quorvel-cli --json\n"
    "# writes them (escaped as the diagonal is), every number written by MPFR;\n"
    "# further columns as in reading.tsv for the x87 backend.\n"
    "# Regenerate: cmake --build --preset native --target golden-table\n";

// Resolutions and diagonals whose details are known from elsewhere, and the
// edges of the details: sides of zero, the largest magnitudes, a density of
// zero, quantities near the largest extended and past it.
struct DetailsInput {
    std::uint32_t width, height;
    const char* diagonal;
};
const DetailsInput kDetailsInputs[] = {{1920, 1080, "21.5"},
                                       {2560, 1440, "27"},
                                       {800, 600, "16"},
                                       {0, 0, "21.5"},
                                       {1920, 0, "21.5"},
                                       {0, 1080, "21.5"},
                                       {4294967295u, 5, "2"},
                                       {2147483648u, 2147483648u, "1"},
                                       {2147483647, 1, "1e-5"},
                                       {1, 1, "99e4931"},
                                       {3, 4, "1e4931"},
                                       {3, 4, "11e4931"},
                                       {7, 0, ".000000000000000001e-4931"},
                                       {3840, 2160, "0.1"},
                                       {1, 1, "1e-9"},
                                       {205, 0, "2"}};

struct Counts {
    std::size_t rows = 0, accepted = 0, denormal = 0, infinite = 0, unitDiffers = 0;
};

// A table's unit columns by the row's inputs: what the x87 units of the
// processors the table was written on gave, kept when it is written afresh.
using UnitOutcomes = std::map<std::string, std::vector<std::string>>;

UnitOutcomes RecordedUnitOutcomes(const std::string& path, std::size_t firstOutcome)
{
    UnitOutcomes recorded;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = golden::SplitRow(line);
        if (fields.size() <= firstOutcome + 1) continue;
        std::string inputs;
        for (std::size_t i = 0; i < firstOutcome; ++i) inputs += fields[i] + "\t";
        recorded[inputs].assign(fields.begin() + static_cast<std::ptrdiff_t>(firstOutcome) + 1,
                                fields.end());
    }
    return recorded;
}

// The row's further columns: the recorded unit outcomes and this machine's,
// each once, where they differ from the correctly rounded outcome.
std::string UnitColumns(const UnitOutcomes& recorded, const std::string& inputs,
                        const std::string& correct, const std::string& unit, Counts& counts)
{
    std::vector<std::string> outcomes;
    const auto found = recorded.find(inputs);
    if (found != recorded.end()) outcomes = found->second;
    outcomes.push_back(unit);
    std::string columns;
    std::vector<std::string> written;
    for (const std::string& outcome : outcomes) {
        if (outcome == correct ||
            std::find(written.begin(), written.end(), outcome) != written.end())
            continue;
        written.push_back(outcome);
        columns += "\t" + outcome;
    }
    counts.unitDiffers += !written.empty();
    return columns;
}

std::string ReadingRow(const std::string& text, const UnitOutcomes& recorded, Counts& counts)
{
    using namespace reference;
    const ModelReading soft = ModelReadDecimal(CorrectlyRoundedModel(), text.c_str());
    const ModelReading unit = ModelReadDecimal(UnitModel(), text.c_str());
    const std::string inputs = golden::EscapeText(text) + "\t";
    const std::string correct = golden::ReadingOutcome(soft.accepted, soft.value);
    ++counts.rows;
    if (soft.accepted) {
        const std::uint16_t exponent = SignAndExponentOf(soft.value) & 0x7FFF;
        ++counts.accepted;
        counts.denormal += exponent == 0 && SignificandOf(soft.value) != 0;
        counts.infinite += exponent == kExtendedMaxExponent;
    }
    return inputs + correct +
           UnitColumns(recorded, inputs, correct, golden::ReadingOutcome(unit.accepted, unit.value),
                       counts) +
           "\n";
}

std::string DensityRow(std::uint32_t width, std::uint32_t height, const std::string& diagonal,
                       const UnitOutcomes& recorded, Counts& counts)
{
    using namespace reference;
    const DensityResult soft =
        ModelDensity(CorrectlyRoundedModel(), width, height, diagonal.c_str());
    const DensityResult unit = ModelDensity(UnitModel(), width, height, diagonal.c_str());
    const std::string inputs = std::to_string(width) + "\t" + std::to_string(height) + "\t" +
                               golden::EscapeText(diagonal) + "\t";
    const std::string correct = golden::DensityOutcome(soft);
    ++counts.rows;
    counts.accepted += soft.kind == DensityKind::Density;
    return inputs + correct +
           UnitColumns(recorded, inputs, correct, golden::DensityOutcome(unit), counts) + "\n";
}

std::string DetailsRow(std::uint32_t width, std::uint32_t height, const std::string& diagonal,
                       const UnitOutcomes& recorded, Counts& counts)
{
    using namespace reference;
    const auto outcome = [&](const ReaderModel& model) {
        return golden::EscapeText(
            ModelDetailsJson(ModelDetails(model, width, height, diagonal.c_str())));
    };
    const std::string inputs = std::to_string(width) + "\t" + std::to_string(height) + "\t" +
                               golden::EscapeText(diagonal) + "\t";
    const std::string correct = outcome(CorrectlyRoundedModel());
    ++counts.rows;
    counts.accepted += correct.find("\"ppi\"") != std::string::npos;
    return inputs + correct + UnitColumns(recorded, inputs, correct, outcome(UnitModel()), counts) +
           "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || !reference::HaveUnit()) {
        std::cerr << "usage: generate_golden OUTPUT_DIRECTORY (on an x86 machine)\n";
        return 2;
    }
    const std::string directory = argv[1];

    const UnitOutcomes recordedReadings = RecordedUnitOutcomes(directory + "/reading.tsv", 1);
    const UnitOutcomes recordedDensities = RecordedUnitOutcomes(directory + "/density.tsv", 3);
    const UnitOutcomes recordedDetails = RecordedUnitOutcomes(directory + "/details.tsv", 3);

    Counts texts;
    std::ofstream reading(directory + "/reading.tsv", std::ios::binary);
    reading << kReadingHeader;
    for (const std::string& text : reference::GenerateDecimalTexts(kSeed, kTextCount))
        reading << ReadingRow(text, recordedReadings, texts);

    Counts triples;
    reference::InputRandom random(kSeed);
    std::ofstream density(directory + "/density.tsv", std::ios::binary);
    density << kDensityHeader;
    for (const std::string& diagonal : reference::EdgeTexts())
        density << DensityRow(reference::RandomDimension(random),
                              reference::RandomDimension(random), diagonal, recordedDensities,
                              triples);
    while (triples.rows < kTripleCount)
        density << DensityRow(reference::RandomDimension(random),
                              reference::RandomDimension(random),
                              reference::RandomDiagonalText(random), recordedDensities, triples);

    Counts displays;
    std::ofstream details(directory + "/details.tsv", std::ios::binary);
    details << kDetailsHeader;
    for (const DetailsInput& input : kDetailsInputs)
        details << DetailsRow(input.width, input.height, input.diagonal, recordedDetails, displays);
    for (const std::string& diagonal : reference::EdgeTexts())
        details << DetailsRow(reference::RandomDimension(random),
                              reference::RandomDimension(random), diagonal, recordedDetails,
                              displays);
    while (displays.rows < kDetailsCount)
        details << DetailsRow(reference::RandomDimension(random),
                              reference::RandomDimension(random),
                              reference::RandomDiagonalText(random), recordedDetails, displays);

    std::printf("reading.tsv: %zu texts, %zu accepted (%zu denormal, %zu infinite), %zu x87 rows\n",
                texts.rows, texts.accepted, texts.denormal, texts.infinite, texts.unitDiffers);
    std::printf("density.tsv: %zu triples, %zu densities, %zu x87 rows\n", triples.rows,
                triples.accepted, triples.unitDiffers);
    std::printf("details.tsv: %zu displays, %zu with details, %zu x87 rows\n", displays.rows,
                displays.accepted, displays.unitDiffers);
    return reading && density && details ? 0 : 1;
}
