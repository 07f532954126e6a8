// The library against the golden tables, row by row: every build, on every
// processor, must give the very bytes the MPFR model wrote down.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/decimal_reader.h"
#include "core/density.h"
#include "tests/golden/golden_row.h"

namespace golden {
namespace {

constexpr int kReportedMismatches = 20;

#if defined(QUORVEL_BACKEND_x87)
constexpr bool kUnitColumn = true;  // the unit's own F2XM1, where it differs
#else
constexpr bool kUnitColumn = false;
#endif

std::vector<std::vector<std::string>> ReadTable(const char* name)
{
    std::ifstream file(std::string(QUORVEL_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(file, line))
        if (!line.empty() && line[0] != '#') rows.push_back(SplitRow(line));
    return rows;
}

// The outcome this backend must give: the last column for x87, else the first.
const std::string& Expected(const std::vector<std::string>& row, std::size_t firstOutcome)
{
    return kUnitColumn && row.size() > firstOutcome + 1 ? row[firstOutcome + 1] : row[firstOutcome];
}

TEST(GoldenTable, ReadDecimalStoresTheTabledBytes)
{
    const auto rows = ReadTable("reading.tsv");
    ASSERT_GE(rows.size(), 20000u) << "reading.tsv missing or cut short";
    int mismatches = 0;
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 2u);
        const std::string text = UnescapeText(row[0]);
        Extended value{};
        const bool accepted = ReadDecimal(text.c_str(), &value, kReadDecimalStore) != 0;
        const std::string outcome = ReadingOutcome(accepted, value);
        if (outcome == Expected(row, 1)) continue;
        if (++mismatches <= kReportedMismatches)
            ADD_FAILURE() << "\"" << row[0] << "\": " << outcome << ", table " << Expected(row, 1);
    }
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " texts";
}

TEST(GoldenTable, CalculateDensityGivesTheTabledDensity)
{
    const auto rows = ReadTable("density.tsv");
    ASSERT_GE(rows.size(), 2000u) << "density.tsv missing or cut short";
    int mismatches = 0;
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 4u);
        const auto width = static_cast<std::uint32_t>(std::stoul(row[0]));
        const auto height = static_cast<std::uint32_t>(std::stoul(row[1]));
        const std::string diagonal = UnescapeText(row[2]);
        const std::string outcome =
            DensityOutcome(CalculateDensity(width, height, diagonal.c_str()));
        if (outcome == Expected(row, 3)) continue;
        if (++mismatches <= kReportedMismatches)
            ADD_FAILURE() << row[0] << "x" << row[1] << " at \"" << row[2] << "\": " << outcome
                          << ", table " << Expected(row, 3);
    }
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " triples";
}

}  // namespace
}  // namespace golden
