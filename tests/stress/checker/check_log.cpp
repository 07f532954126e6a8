// Recomputes every calculation of a stress log with the core built natively
// and compares it with what the dialog showed. Usage:
//   stress_checker LOG EXPECTED_CASES
// Exits 0 only if the log holds exactly that many cases and every one agrees.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../log_format.h"
#include "core/density.h"
#include "log_line.h"

namespace {

using stress::LoggedCase;

// "输入错误", the input-error text, in code page 936.
constexpr char kInputErrorText[] = "\xca\xe4\xc8\xeb\xb4\xed\xce\xf3";
constexpr size_t kDisagreementsShown = 10;

struct Tally {
    long cases = 0;
    long inputErrors = 0;
    long agreements = 0;
    std::vector<std::string> disagreements;
};

// The calculation's grammar is ASCII: any other character in the text read
// is an input error, wherever it stands and whatever the code page.
bool IsAscii(const std::string& text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    }
    return true;
}

std::string ExpectedText(const LoggedCase& logged)
{
    if (!IsAscii(logged.diagonal)) return kInputErrorText;
    const DensityResult result =
        CalculateDensity(logged.width, logged.height, logged.diagonal.c_str());
    if (result.kind == DensityKind::InputError) return kInputErrorText;
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(result.density));
    return text;
}

// A shown or expected text for the report, the input-error text in UTF-8.
std::string Described(const std::string& text)
{
    if (text == kInputErrorText) return "\u8f93\u5165\u9519\u8bef";
    return "\"" + stress::Escaped(text) + "\"";
}

void Check(const LoggedCase& logged, Tally* tally)
{
    const std::string expected = ExpectedText(logged);
    ++tally->cases;
    if (expected == kInputErrorText) ++tally->inputErrors;
    if (expected == logged.shown) {
        ++tally->agreements;
        return;
    }
    tally->disagreements.push_back("case " + logged.label + ": " + std::to_string(logged.width) +
                                   " x " + std::to_string(logged.height) + " at \"" +
                                   stress::Escaped(logged.diagonal) + "\": shown " +
                                   Described(logged.shown) + ", expected " + Described(expected));
}

void Report(const Tally& tally)
{
    std::printf("cases %ld: densities %ld, input errors %ld\n", tally.cases,
                tally.cases - tally.inputErrors, tally.inputErrors);
    std::printf("agreements %ld, disagreements %zu\n", tally.agreements,
                tally.disagreements.size());
    for (size_t i = 0; i < tally.disagreements.size() && i < kDisagreementsShown; ++i)
        std::printf("  %s\n", tally.disagreements[i].c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LOG EXPECTED_CASES\n", argv[0]);
        return 2;
    }
    std::ifstream log(argv[1], std::ios::binary);
    if (!log) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const long expectedCases = std::atol(argv[2]);

    Tally tally;
    std::string line;
    for (long number = 1; std::getline(log, line); ++number) {
        if (line.empty() || line[0] == stress::kCommentMark) continue;
        LoggedCase logged;
        if (!stress::ParseLogLine(line, &logged)) {
            std::fprintf(stderr, "%s:%ld: not a case line: %s\n", argv[1], number, line.c_str());
            return 1;
        }
        Check(logged, &tally);
    }
    Report(tally);
    if (tally.cases != expectedCases) {
        std::printf("the log holds %ld cases, not %ld\n", tally.cases, expectedCases);
        return 1;
    }
    return tally.disagreements.empty() ? 0 : 1;
}
