// Internals of the software model of the x87 unit: field access, operand
// classes, the unpacked form of a finite operand and the one routine that
// rounds and packs every result. The model is the unit with the control word
// FNINIT sets: 64-bit significands, round to nearest (ties to even), every
// exception masked.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/extended.h"
#include "core/soft/uint128.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {

constexpr std::int32_t kBias = kExtendedBias;
constexpr std::int32_t kMaxExponent = kExtendedMaxExponent;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;
constexpr std::uint64_t kQuietBit = 0x4000000000000000u;

// The default NaN of a masked invalid operation: negative, quiet, no payload.
constexpr Extended kIndefinite = MakeExtended(0xFFFF, 0xC000000000000000u);

constexpr bool SignOf(const Extended& x)
{
    return (x.bytes[9] & 0x80) != 0;
}

constexpr std::int32_t ExponentOf(const Extended& x)
{
    return SignAndExponentOf(x) & 0x7FFF;
}

// The fields as the model works with them; the image itself is read and
// written by core/extended.h alone.
constexpr Extended Pack(bool sign, std::int32_t exp, std::uint64_t sig)
{
    return MakeExtended(
        static_cast<std::uint16_t>((sign ? 0x8000u : 0u) | static_cast<std::uint32_t>(exp)), sig);
}

constexpr Extended PackZero(bool sign)
{
    return Pack(sign, 0, 0);
}

constexpr Extended PackInfinity(bool sign)
{
    return Pack(sign, kMaxExponent, kIntegerBit);
}

// kUnsupported: the encodings the unit rejects as invalid operands since the
// 80387 (unnormals, pseudo-infinities, pseudo-NaNs). A pseudo-denormal
// (exponent 0, integer bit set) is accepted and counts as kFinite.
enum class Class { kZero, kFinite, kInfinity, kNaN, kUnsupported };

constexpr Class Classify(const Extended& x)
{
    const std::int32_t exp = ExponentOf(x);
    const std::uint64_t sig = SignificandOf(x);
    if (exp == kMaxExponent) {
        if ((sig & kIntegerBit) == 0) return Class::kUnsupported;
        return (sig << 1) == 0 ? Class::kInfinity : Class::kNaN;
    }
    if (exp == 0) return sig == 0 ? Class::kZero : Class::kFinite;
    return (sig & kIntegerBit) != 0 ? Class::kFinite : Class::kUnsupported;
}

// Neither operand is a zero, an infinity, a NaN or an unsupported encoding:
// the common case, in which an operation skips all of its special cases.
constexpr bool BothFinite(const Extended& a, const Extended& b)
{
    return Classify(a) == Class::kFinite && Classify(b) == Class::kFinite;
}

// A finite non-zero operand as sig * 2^(exp - kBias - 63) with bit 63 of sig
// set; denormals come out with exp below 1.
struct Unpacked {
    bool sign;
    std::int32_t exp;
    std::uint64_t sig;
};

// The exponent field of a finite operand as the unit scales it: denormals,
// pseudo-denormals and zeros share the smallest normal exponent.
constexpr std::int32_t AlignedExponentOf(const Extended& x)
{
    return ExponentOf(x) == 0 ? 1 : ExponentOf(x);
}

// Inline, like the field access it is made of: every operation unpacks.
constexpr Unpacked Unpack(const Extended& x)
{
    const std::uint64_t sig = SignificandOf(x);
    const int shift = CountLeadingZeros64(sig);
    return {SignOf(x), AlignedExponentOf(x) - shift, sig << shift};
}

// The NaN operand with its quiet bit set.
Extended QuietNaN(const Extended& a);

// At least one of a and b is a NaN. A lone NaN comes out quieted; of two,
// the one with the larger significand, the positive one on a tie.
Extended PropagateNaN(const Extended& a, const Extended& b);

// An unsupported encoding makes any operation invalid, before any NaN is
// looked at; otherwise a NaN operand propagates. True when *result is the
// answer.
bool TakeInvalidOrNaN(const Extended& a, const Extended& b, Extended* result);

// sig.extra rounded to an integer at bit 0 of sig, to nearest, ties to even;
// extra is the fraction (2^63 is one half). Sets *carry when the sum leaves
// 64 bits (the result is then 0).
std::uint64_t RoundNearestEven(std::uint64_t sig, std::uint64_t extra, bool* carry);

// Rounds and packs (sig + extra * 2^-64) * 2^(exp - kBias - 63), for any sig
// and extra and any exp: normalizes, denormalizes below the normal range
// (rounding at the denormal's precision), rounds to nearest even and
// overflows to infinity. Every arithmetic result goes through here.
Extended RoundPack(bool sign, std::int32_t exp, std::uint64_t sig, std::uint64_t extra);

// A non-negative integer as sign * magnitude, exactly.
Extended PackInteger(bool sign, std::uint64_t magnitude);

// sign * (|a| + |b|) and sign * (|a| - |b|) for operands that are zeros,
// finite or infinite (no NaN, nothing unsupported).
Extended AddMagnitudes(const Extended& a, const Extended& b, bool sign);
Extended SubMagnitudes(const Extended& a, const Extended& b, bool sign);

// 2^x - 1, correctly rounded, for any operand.
Extended TwoToXMinusOneCorrect(const Extended& x);
// False while a test has another 2^x - 1 installed (soft_test_hooks.h).
bool TwoToXMinusOneIsCorrectlyRounded();

// 2^x - 1 for finite non-zero x with |x| <= 1, before rounding: the value is
// sig * 2^(exp - kBias - 126) with sig below 2^127, and the exact value lies
// within error units of sig of it.
struct WideResult {
    bool sign;
    std::int32_t exp;
    Uint128 sig;
    std::uint64_t error;
};

WideResult TwoToXMinusOneWide(const Unpacked& x);

// 2^x - 1 for finite non-zero x with |x| <= 1 from a long series in 320-bit
// fixed point, rounded once: for the rare operands whose wide result lies
// too close to a rounding boundary to decide.
Extended TwoToXMinusOneSeries(const Unpacked& x);

// 2^(k/256) for k = 0..256 in fixed point with 126 fraction bits; the
// coefficients ln(2)^n / n! of (2^t - 1) / t, n = 1..6 with 128 fraction bits
// and n = 7..11 (the ones that need no more than 64 bits) with 79. Each
// rounded to nearest.
constexpr int kTwoToKOver256Count = 257;
constexpr int kLn2PowerTermCount = 6;
constexpr int kLn2PowerTailCount = 5;
extern const Uint128 kTwoToKOver256[kTwoToKOver256Count];
extern const Uint128 kLn2PowerTerms[kLn2PowerTermCount];
extern const std::uint64_t kLn2PowerTail[kLn2PowerTailCount];

// ln(2) in fixed point with 318 fraction bits, least significant limb first,
// rounded to nearest.
constexpr int kSeriesLimbs = 5;
extern const std::uint64_t kLn2Series[kSeriesLimbs];

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
