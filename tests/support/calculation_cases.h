// The rows of tests/cases/calculations.tsv, compiled in by the build
// (tests/CMakeLists.txt, in the generated directory on the include path).
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "res/texts.h"

struct CalculationCase {
    std::string width, height, diagonal, shown;  // UTF-8
};

inline std::vector<CalculationCase> CalculationCases()
{
    std::istringstream table(
#include "calculation_cases.inc"
    );
    std::vector<CalculationCase> cases;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
        fields.resize(4);
        if (fields[3] == "input-error") fields[3] = QUORVEL_INPUT_ERROR_TEXT;
        cases.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
    return cases;
}
