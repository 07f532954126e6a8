// The library against the golden tables, row by row: every build, on every
// processor, must give the very bytes the MPFR model wrote down.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/details_text.h"
#include "core/decimal_reader.h"
#include "core/density.h"
#include "core/display_details.h"
#include "tests/golden/golden_row.h"

namespace golden {
namespace {

constexpr int kReportedMismatches = 20;

#if defined(QUORVEL_BACKEND_x87)
constexpr bool kUnitColumns = true;  // the real unit's F2XM1 differs by vendor
#else
constexpr bool kUnitColumns = false;
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

// Whether this backend may give the outcome: the software backend only the
// correctly rounded one; the x87 backend also what a recorded processor's
// F2XM1 gives there, since the unit itself takes part.
bool Allowed(const std::vector<std::string>& row, std::size_t firstOutcome,
             const std::string& outcome)
{
    if (outcome == row[firstOutcome]) return true;
    if (!kUnitColumns) return false;
    for (std::size_t i = firstOutcome + 1; i < row.size(); ++i)
        if (outcome == row[i]) return true;
    return false;
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
        if (Allowed(row, 1, outcome)) continue;
        if (++mismatches <= kReportedMismatches)
            ADD_FAILURE() << "\"" << row[0] << "\": " << outcome << ", table " << row[1];
    }
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " texts";
}

// The rows of a table of width, height, diagonal text and outcome whose
// outcome this backend does not give; the first few are reported.
template <typename OutcomeOf>
int DisplayMismatches(const char* name, std::size_t minimumRows, OutcomeOf outcomeOf)
{
    const auto rows = ReadTable(name);
    EXPECT_GE(rows.size(), minimumRows) << name << " missing or cut short";
    int mismatches = 0;
    for (const auto& row : rows) {
        if (row.size() < 4) {
            ADD_FAILURE() << name << ": a row of " << row.size() << " fields";
            return ++mismatches;
        }
        const auto width = static_cast<std::uint32_t>(std::stoul(row[0]));
        const auto height = static_cast<std::uint32_t>(std::stoul(row[1]));
        const std::string diagonal = UnescapeText(row[2]);
        const std::string outcome = outcomeOf(width, height, diagonal.c_str());
        if (Allowed(row, 3, outcome)) continue;
        if (++mismatches <= kReportedMismatches)
            ADD_FAILURE() << row[0] << "x" << row[1] << " at \"" << row[2] << "\": " << outcome
                          << ", table " << row[3];
    }
    return mismatches;
}

TEST(GoldenTable, CalculateDensityGivesTheTabledDensity)
{
    EXPECT_EQ(
        DisplayMismatches("density.tsv", 2000,
                          [](std::uint32_t width, std::uint32_t height, const char* diagonal) {
                              return DensityOutcome(CalculateDensity(width, height, diagonal));
                          }),
        0);
}

// The details as quorvel-cli --json writes them, escaped as the table is.
TEST(GoldenTable, CalculateDetailsWritesTheTabledDetails)
{
    static char json[kDetailsTextCapacity];
    EXPECT_EQ(DisplayMismatches(
                  "details.tsv", 300,
                  [](std::uint32_t width, std::uint32_t height, const char* diagonal) {
                      const int length =
                          WriteDetailsJson(CalculateDetails(width, height, diagonal), json);
                      return EscapeText(std::string(json, static_cast<std::size_t>(length)));
                  }),
              0);
}

}  // namespace
}  // namespace golden
