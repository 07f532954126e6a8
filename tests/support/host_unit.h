// The host's own x87 unit, one instruction per helper: the reference the
// software model and the power-of-ten steps are held to bit for bit, for the
// tests and the fuzzer alike. Each helper runs under the control word FNINIT
// sets (0x037F: 64-bit precision, round to nearest, exceptions masked),
// whatever the caller's, and puts the caller's back; operands travel through
// exact 80-bit loads and stores.
//
// This header is the one place that knows whether the host has the unit.
// Where it does not (other processors, other compilers), every helper aborts
// and kHaveUnit says so beforehand.
#pragma once

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/extended.h"

#if (defined(__i386__) || defined(__x86_64__)) && (defined(__GNUC__) || defined(__clang__))
#define QUORVEL_HOST_UNIT 1
#else
#define QUORVEL_HOST_UNIT 0
#endif

namespace unit {

constexpr bool kHaveUnit = QUORVEL_HOST_UNIT != 0;
constexpr std::uint16_t kInitialControlWord = 0x037F;

#if QUORVEL_HOST_UNIT

// Sets FNINIT's control word around `body` and restores the caller's.
#define QUORVEL_UNIT_PINNED(body) \
    "fnstcw %[saved]\n\tfldcw %[initial]\n\t" body "\n\tfldcw %[saved]"

// a in ST(0), b in ST(1); the second register is popped afterwards.
#define QUORVEL_UNIT_BINARY(name, instruction)                                    \
    inline Extended name(const Extended& a, const Extended& b)                    \
    {                                                                             \
        Extended r;                                                               \
        std::uint16_t saved;                                                      \
        const std::uint16_t initial = kInitialControlWord;                        \
        asm volatile(QUORVEL_UNIT_PINNED("fldt %[b]\n\tfldt %[a]\n\t" instruction \
                                         "\n\tfstpt %[r]\n\tfstp %%st")           \
                     : [r] "=m"(r), [saved] "=m"(saved)                           \
                     : [a] "m"(a), [b] "m"(b), [initial] "m"(initial));           \
        return r;                                                                 \
    }

// One operand loaded from memory by `load`, then `instruction` on ST(0).
#define QUORVEL_UNIT_UNARY(name, type, load, instruction)                               \
    inline Extended name(const type& a)                                                 \
    {                                                                                   \
        Extended r;                                                                     \
        std::uint16_t saved;                                                            \
        const std::uint16_t initial = kInitialControlWord;                              \
        asm volatile(QUORVEL_UNIT_PINNED(load " %[a]\n\t" instruction "\n\tfstpt %[r]") \
                     : [r] "=m"(r), [saved] "=m"(saved)                                 \
                     : [a] "m"(a), [initial] "m"(initial));                             \
        return r;                                                                       \
    }

#else

#define QUORVEL_UNIT_BINARY(name, instruction)             \
    inline Extended name(const Extended&, const Extended&) \
    {                                                      \
        std::abort();                                      \
    }
#define QUORVEL_UNIT_UNARY(name, type, load, instruction) \
    inline Extended name(const type&)                     \
    {                                                     \
        std::abort();                                     \
    }

#endif

QUORVEL_UNIT_BINARY(Add, "fadd %%st(1), %%st")
QUORVEL_UNIT_BINARY(Sub, "fsub %%st(1), %%st")
QUORVEL_UNIT_BINARY(Mul, "fmul %%st(1), %%st")
QUORVEL_UNIT_BINARY(Div, "fdiv %%st(1), %%st")
QUORVEL_UNIT_BINARY(Scale, "fscale")
QUORVEL_UNIT_UNARY(Sqrt, Extended, "fldt", "fsqrt")
QUORVEL_UNIT_UNARY(RoundToInteger, Extended, "fldt", "frndint")
QUORVEL_UNIT_UNARY(TwoToXMinusOne, Extended, "fldt", "f2xm1")
QUORVEL_UNIT_UNARY(LoadPacked, PackedDecimal, "fbld", "")
QUORVEL_UNIT_UNARY(LoadInt32, std::int32_t, "fildl", "")
QUORVEL_UNIT_UNARY(LoadInt64, std::int64_t, "fildll", "")  // signed, as FILD m64 is

#undef QUORVEL_UNIT_BINARY
#undef QUORVEL_UNIT_UNARY

#if QUORVEL_HOST_UNIT

inline Extended LoadLog2Ten()
{
    Extended r;
    std::uint16_t saved;
    const std::uint16_t initial = kInitialControlWord;
    asm volatile(QUORVEL_UNIT_PINNED("fldl2t\n\tfstpt %[r]")
                 : [r] "=m"(r), [saved] "=m"(saved)
                 : [initial] "m"(initial));
    return r;
}

inline std::int32_t StoreInt32(const Extended& value)
{
    std::int32_t r;
    std::uint16_t saved;
    const std::uint16_t initial = kInitialControlWord;
    asm volatile(QUORVEL_UNIT_PINNED("fldt %[value]\n\tfistpl %[r]")
                 : [r] "=m"(r), [saved] "=m"(saved)
                 : [value] "m"(value), [initial] "m"(initial));
    return r;
}

inline std::uint16_t ControlWord()
{
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

#undef QUORVEL_UNIT_PINNED

#else

inline Extended LoadLog2Ten()
{
    std::abort();
}
inline std::int32_t StoreInt32(const Extended&)
{
    std::abort();
}
inline std::uint16_t ControlWord()
{
    std::abort();
}

#endif

// The host's long double where it is the unit's 80-bit format (GCC and Clang
// on x86 give it 12 or 16 bytes, the first 10 the image); elsewhere it may
// be as small as 8 bytes, and the conversions abort rather than copy.
constexpr bool kLongDoubleIsExtended =
    kHaveUnit && LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && sizeof(long double) >= 10;
constexpr std::size_t kLongDoubleImageBytes = sizeof(long double) < 10 ? sizeof(long double) : 10;

inline Extended ImageOfLongDouble(long double x)
{
    if (!kLongDoubleIsExtended) std::abort();
    Extended image{};
    std::memcpy(image.bytes, &x, kLongDoubleImageBytes);
    return image;
}

inline long double LongDoubleOf(const Extended& image)
{
    if (!kLongDoubleIsExtended) std::abort();
    long double x = 0;
    std::memcpy(&x, image.bytes, kLongDoubleImageBytes);
    return x;
}

}  // namespace unit
