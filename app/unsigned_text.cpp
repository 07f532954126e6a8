// Wine's user32 reads the box's text with the C library's strtoul into a
// 32-bit unsigned long and refuses its overflow value, ULONG_MAX; this is
// that reading, step by step, with no locale and no library call.
#include "app/unsigned_text.h"

namespace {

constexpr std::uint64_t kRefusedValue = 0xFFFFFFFFu;  // strtoul's overflow answer

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

    std::uint64_t value = 0;
    for (; IsDigit(*text); ++text) {
        value = value * 10 + static_cast<std::uint64_t>(*text - '0');
        if (value > kRefusedValue) return 0;
    }
    const std::uint64_t wrapped = negative ? (0x100000000u - value) & kRefusedValue : value;
    if (wrapped == kRefusedValue) return 0;
    return static_cast<std::uint32_t>(wrapped);
}
