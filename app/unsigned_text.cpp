// The reading GetDlgItemInt does under Wine, through the C library's strtoul
// into a 32-bit unsigned long: the digits' value saturates at ULONG_MAX and
// flags the overflow, the sign is applied after that, and only a result of
// ULONG_MAX with the overflow flagged is refused. Step by step here, with no
// locale and no library call.
#include "app/unsigned_text.h"

namespace {

constexpr std::uint64_t kUlongMax = 0xFFFFFFFFu;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::uint32_t ReadUnsignedText(const char* text)
{
    while (IsSpace(*text)) ++text;
    const bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    if (!IsDigit(*text)) return 0;

    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; IsDigit(*text); ++text) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(*text - '0');
        if (magnitude > kUlongMax) {
            overflow = true;
            magnitude = kUlongMax;
        }
    }
    const std::uint64_t value = negative ? (kUlongMax + 1 - magnitude) & kUlongMax : magnitude;
    if (overflow && value == kUlongMax) return 0;
    return static_cast<std::uint32_t>(value);
}
