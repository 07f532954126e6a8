// Writes the golden tables from the MPFR model: reading.tsv (texts and the
// 10 bytes each reads to) and density.tsv (resolution, diagonal, density).
// The second outcome column appears only where the x87 unit's own F2XM1
// (this machine's) gives a different last bit from the correctly rounded
// 2^f - 1 that the software backend computes.
//   generate_golden OUTPUT_DIRECTORY
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/golden/golden_row.h"
#include "tests/reference/input_generator.h"
#include "tests/reference/model_density.h"
#include "tests/reference/two_to_x_minus_one.h"

namespace {

constexpr std::uint64_t kSeed = 0x476F6C64656E0001u;
constexpr std::size_t kTextCount = 20000;
constexpr std::size_t kTripleCount = 2500;

const char kReadingHeader[] =
    "# Decimal texts and what ReadDecimal stores for each: 20 hex digits, the\n"
    "# 10 bytes lowest address first, or failure. A third column, where present,\n"
    "# is the x87 backend's result where the unit's F2XM1 differs in the last\n"
    "# bit from the correctly rounded 2^f - 1 of the software backend.\n"
    "# Regenerate: cmake --build --preset native --target golden-table\n";

const char kDensityHeader[] =
    "# Width, height, diagonal text and CalculateDensity's result (density or\n"
    "# input-error); a fifth column as in reading.tsv for the x87 backend.\n"
    "# Regenerate: cmake --build --preset native --target golden-table\n";

struct Counts {
    std::size_t rows = 0, accepted = 0, denormal = 0, infinite = 0, unitDiffers = 0;
};

std::string ReadingRow(const std::string& text, Counts& counts)
{
    using namespace reference;
    const ModelReading soft = ModelReadDecimal(CorrectlyRoundedModel(), text.c_str());
    const ModelReading unit = ModelReadDecimal(UnitModel(), text.c_str());
    std::string row =
        golden::EscapeText(text) + "\t" + golden::ReadingOutcome(soft.accepted, soft.value);
    ++counts.rows;
    if (soft.accepted) {
        const std::uint16_t exponent = SignAndExponentOf(soft.value) & 0x7FFF;
        ++counts.accepted;
        counts.denormal += exponent == 0 && SignificandOf(soft.value) != 0;
        counts.infinite += exponent == kExtendedMaxExponent;
    }
    if (unit.accepted != soft.accepted || (soft.accepted && unit.value != soft.value)) {
        row += "\t" + golden::ReadingOutcome(unit.accepted, unit.value);
        ++counts.unitDiffers;
    }
    return row + "\n";
}

std::string DensityRow(std::uint32_t width, std::uint32_t height, const std::string& diagonal,
                       Counts& counts)
{
    using namespace reference;
    const DensityResult soft =
        ModelDensity(CorrectlyRoundedModel(), width, height, diagonal.c_str());
    const DensityResult unit = ModelDensity(UnitModel(), width, height, diagonal.c_str());
    std::string row = std::to_string(width) + "\t" + std::to_string(height) + "\t" +
                      golden::EscapeText(diagonal) + "\t" + golden::DensityOutcome(soft);
    ++counts.rows;
    counts.accepted += soft.kind == DensityKind::Density;
    if (golden::DensityOutcome(unit) != golden::DensityOutcome(soft)) {
        row += "\t" + golden::DensityOutcome(unit);
        ++counts.unitDiffers;
    }
    return row + "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || !reference::HaveUnit()) {
        std::cerr << "usage: generate_golden OUTPUT_DIRECTORY (on an x86 machine)\n";
        return 2;
    }
    const std::string directory = argv[1];

    Counts texts;
    std::ofstream reading(directory + "/reading.tsv", std::ios::binary);
    reading << kReadingHeader;
    for (const std::string& text : reference::GenerateDecimalTexts(kSeed, kTextCount))
        reading << ReadingRow(text, texts);

    Counts triples;
    reference::InputRandom random(kSeed);
    std::ofstream density(directory + "/density.tsv", std::ios::binary);
    density << kDensityHeader;
    for (const std::string& diagonal : reference::EdgeTexts())
        density << DensityRow(reference::RandomDimension(random),
                              reference::RandomDimension(random), diagonal, triples);
    while (triples.rows < kTripleCount)
        density << DensityRow(reference::RandomDimension(random),
                              reference::RandomDimension(random),
                              reference::RandomDiagonalText(random), triples);

    std::printf("reading.tsv: %zu texts, %zu accepted (%zu denormal, %zu infinite), %zu x87 rows\n",
                texts.rows, texts.accepted, texts.denormal, texts.infinite, texts.unitDiffers);
    std::printf("density.tsv: %zu triples, %zu densities, %zu x87 rows\n", triples.rows,
                triples.accepted, triples.unitDiffers);
    return reading && density ? 0 : 1;
}
