// The value m * 2^e of an extended (m its 64-bit significand) times
// 10^decimals is an exact integer or an exact binary fraction; the written
// digits are that number rounded to an integer, to nearest with ties to
// even, with the point put back `decimals` places from the right. The
// integer lives in a wide array of 32-bit limbs, large enough for the
// largest finite extended.
#include "core/decimal_writer.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace {

// 64 significand bits, 30 for 10^9, 16320 for the largest exponent.
constexpr int kLimbCapacity = 16416 / 32 + 2;  // and room for a shift past the top limb
constexpr std::uint32_t kBillion = 1000000000u;
constexpr int kSignificandBits = 64;
constexpr int kLowestExponent = 1 - kExtendedBias - (kSignificandBits - 1);  // denormals' unit

// An unsigned integer: limbs[0] least significant, none above `count`.
struct WideInteger {
    std::uint32_t limbs[kLimbCapacity];
    int count;
};

void SetWord(WideInteger& n, std::uint64_t word)
{
    n.limbs[0] = static_cast<std::uint32_t>(word);
    n.limbs[1] = static_cast<std::uint32_t>(word >> 32);
    n.count = n.limbs[1] != 0 ? 2 : (n.limbs[0] != 0 ? 1 : 0);
}

void MultiplySmall(WideInteger& n, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (int i = 0; i < n.count; ++i) {
        const std::uint64_t product = static_cast<std::uint64_t>(n.limbs[i]) * factor + carry;
        n.limbs[i] = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) n.limbs[n.count++] = static_cast<std::uint32_t>(carry);
}

// n = n / divisor; returns the remainder.
std::uint32_t DivideSmall(WideInteger& n, std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    for (int i = n.count - 1; i >= 0; --i) {
        const std::uint64_t part = remainder << 32 | n.limbs[i];
        n.limbs[i] = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    while (n.count > 0 && n.limbs[n.count - 1] == 0) --n.count;
    return static_cast<std::uint32_t>(remainder);
}

void ShiftLeft(WideInteger& n, int shift)
{
    const int limbShift = shift / 32;
    const int bitShift = shift % 32;
    if (n.count == 0) return;
    n.limbs[n.count] = 0;
    for (int i = n.count; i >= 0; --i) {
        const std::uint32_t high = n.limbs[i] << bitShift;
        const std::uint32_t low =
            bitShift != 0 && i > 0 ? n.limbs[i - 1] >> (32 - bitShift) : std::uint32_t{0};
        n.limbs[i + limbShift] = high | low;
    }
    for (int i = 0; i < limbShift; ++i) n.limbs[i] = 0;
    n.count += limbShift + 1;
    while (n.limbs[n.count - 1] == 0) --n.count;
}

bool BitOf(const WideInteger& n, int bit)
{
    return bit / 32 < n.count && (n.limbs[bit / 32] >> (bit % 32) & 1) != 0;
}

bool AnyBitBelow(const WideInteger& n, int bit)
{
    for (int i = 0; i < n.count && i * 32 < bit; ++i) {
        const int bitsHere = bit - i * 32;
        const std::uint32_t mask = bitsHere >= 32 ? ~std::uint32_t{0} : (1u << bitsHere) - 1;
        if ((n.limbs[i] & mask) != 0) return true;
    }
    return false;
}

void AddOne(WideInteger& n)
{
    for (int i = 0; i < n.count; ++i)
        if (++n.limbs[i] != 0) return;
    n.limbs[n.count++] = 1;
}

// n = n / 2^shift, rounded to nearest with ties to even.
void ShiftRightRounding(WideInteger& n, int shift)
{
    const bool half = BitOf(n, shift - 1);
    const bool sticky = AnyBitBelow(n, shift - 1);
    const int limbShift = shift / 32;
    const int bitShift = shift % 32;
    int count = 0;
    for (int i = limbShift; i < n.count; ++i) {
        const std::uint32_t low = n.limbs[i] >> bitShift;
        const std::uint32_t high =
            bitShift != 0 && i + 1 < n.count ? n.limbs[i + 1] << (32 - bitShift) : std::uint32_t{0};
        n.limbs[count++] = low | high;
    }
    n.count = count;
    while (n.count > 0 && n.limbs[n.count - 1] == 0) --n.count;
    if (half && (sticky || BitOf(n, 0))) AddOne(n);
}

// Writes n with the point `decimals` digits from the right, at least one
// digit before it; returns the bytes written.
int WriteScaled(WideInteger& n, bool negative, int decimals, char* text)
{
    char reversed[kDecimalTextCapacity];
    int digits = 0;
    while (n.count > 0) {
        std::uint32_t chunk = DivideSmall(n, kBillion);
        for (int i = 0; i < 9 && (n.count > 0 || chunk != 0); ++i) {
            reversed[digits++] = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    }
    while (digits <= decimals) reversed[digits++] = '0';
    int length = 0;
    if (negative) text[length++] = '-';
    while (digits > 0) {
        if (digits == decimals) text[length++] = '.';
        text[length++] = reversed[--digits];
    }
    return length;
}

std::uint32_t PowerOfTenBelowBillion(int exponent)
{
    std::uint32_t power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

}  // namespace

int WriteDecimal(const Extended& value, int decimals, char* text)
{
    const std::uint16_t signAndExponent = SignAndExponentOf(value);
    const int biased = signAndExponent & kExtendedMaxExponent;
    if (biased == kExtendedMaxExponent) return 0;
    const int exponent = biased == 0 ? kLowestExponent : biased - kExtendedBias - 63;

    WideInteger n;
    SetWord(n, SignificandOf(value));
    MultiplySmall(n, PowerOfTenBelowBillion(decimals));
    if (exponent > 0) ShiftLeft(n, exponent);
    if (exponent < 0) ShiftRightRounding(n, -exponent);
    return WriteScaled(n, (signAndExponent & 0x8000) != 0, decimals, text);
}

int WriteUnsigned(std::uint64_t value, char* text)
{
    WideInteger n;
    SetWord(n, value);
    return WriteScaled(n, false, 0, text);
}

int WriteMillionths(std::uint64_t millionths, int decimals, char* text)
{
    constexpr int kMillionthsDecimals = 6;
    WideInteger n;
    SetWord(n, millionths);
    if (decimals >= kMillionthsDecimals) {
        MultiplySmall(n, PowerOfTenBelowBillion(decimals - kMillionthsDecimals));
    } else {
        const std::uint32_t divisor = PowerOfTenBelowBillion(kMillionthsDecimals - decimals);
        const std::uint32_t remainder = DivideSmall(n, divisor);
        if (2 * remainder > divisor || (2 * remainder == divisor && BitOf(n, 0))) AddOne(n);
    }
    return WriteScaled(n, false, decimals, text);
}

}  // namespace QUORVEL_CORE_NAMESPACE
