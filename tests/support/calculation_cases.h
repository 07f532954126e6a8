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
        std::istringstream row(line);
        CalculationCase c;
        for (std::string* field : {&c.width, &c.height, &c.diagonal, &c.shown})
            std::getline(row, *field, '\t');
        if (c.shown == "input-error") c.shown = QUORVEL_INPUT_ERROR_TEXT;
        cases.push_back(c);
    }
    return cases;
}
