// Prints the browser differential run's cases, one a line: the trigger, the
// width, height and diagonal texts (each as its UTF-16 units in hexadecimal,
// comma-separated) and the result the page must show, worked out by the
// native core on what each box keeps (its first four characters).
// Usage: differential_cases COUNT SEED
#include <cstdio>
#include <cstdlib>

#include "stress_case.h"
#include "tests/support/expected_result.h"

namespace {

void PrintUnits(const std::wstring& text)
{
    std::putchar('\t');
    for (size_t i = 0; i < text.size(); ++i) std::printf(i ? ",%x" : "%x", unsigned(text[i]));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) return std::fputs("usage: differential_cases COUNT SEED\n", stderr), 2;
    stress::Random random(std::strtoull(argv[2], nullptr, 10));
    for (int index = 0, printed = 0; printed < std::atoi(argv[1]); ++index) {
        const stress::StressCase c = stress::GenerateCase(random, index);
        // A tab cannot be typed into a box: the key moves the focus.
        if ((c.width + c.height + c.diagonal).find(L'\t') != std::wstring::npos) continue;
        std::fputs(stress::NameOf(c.trigger), stdout);
        for (const std::wstring* text : {&c.width, &c.height, &c.diagonal}) PrintUnits(*text);
        std::printf("\t%s\n", ExpectedResult(c.width, c.height, c.diagonal).c_str());
        ++printed;
    }
    return 0;
}
