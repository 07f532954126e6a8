// The host's own x87 unit, one instruction per helper, as the reference the
// software model must match bit for bit. x86-64 Linux runs with the control
// word FNINIT sets (0x037F): 64-bit precision, round to nearest, all
// exceptions masked. Operands go in and out through exact 80-bit loads and
// stores.
#pragma once

#include <cstdint>

#include "core/extended.h"

namespace unit {

#define QUORVEL_UNIT_BINARY(name, instruction)                 \
    inline Extended name(const Extended& a, const Extended& b) \
    {                                                          \
        Extended r;                                            \
        asm volatile("fldt %2\n\tfldt %1\n\t" instruction      \
                     " %%st(1), %%st\n\t"                      \
                     "fstpt %0\n\tfstp %%st(0)"                \
                     : "=m"(r)                                 \
                     : "m"(a), "m"(b));                        \
        return r;                                              \
    }

#define QUORVEL_UNIT_UNARY(name, instruction)                                      \
    inline Extended name(const Extended& a)                                        \
    {                                                                              \
        Extended r;                                                                \
        asm volatile("fldt %1\n\t" instruction "\n\tfstpt %0" : "=m"(r) : "m"(a)); \
        return r;                                                                  \
    }

QUORVEL_UNIT_BINARY(Add, "fadd")
QUORVEL_UNIT_BINARY(Sub, "fsub")
QUORVEL_UNIT_BINARY(Mul, "fmul")
QUORVEL_UNIT_BINARY(Div, "fdiv")
QUORVEL_UNIT_UNARY(Sqrt, "fsqrt")
QUORVEL_UNIT_UNARY(RoundToInteger, "frndint")
QUORVEL_UNIT_UNARY(TwoToXMinusOne, "f2xm1")

#undef QUORVEL_UNIT_BINARY
#undef QUORVEL_UNIT_UNARY

inline Extended Scale(const Extended& a, const Extended& exponent)
{
    Extended r;
    asm volatile("fldt %2\n\tfldt %1\n\tfscale\n\tfstpt %0\n\tfstp %%st(0)"
                 : "=m"(r)
                 : "m"(a), "m"(exponent));
    return r;
}

inline Extended LoadPacked(const PackedDecimal& packed)
{
    Extended r;
    asm volatile("fbld %1\n\tfstpt %0" : "=m"(r) : "m"(packed));
    return r;
}

inline Extended LoadInt32(std::int32_t value)
{
    Extended r;
    asm volatile("fildl %1\n\tfstpt %0" : "=m"(r) : "m"(value));
    return r;
}

// FILD m64 loads a signed integer; values from 2^63 up are taken apart.
inline Extended LoadInt64(std::int64_t value)
{
    Extended r;
    asm volatile("fildll %1\n\tfstpt %0" : "=m"(r) : "m"(value));
    return r;
}

inline Extended LoadLog2Ten()
{
    Extended r;
    asm volatile("fldl2t\n\tfstpt %0" : "=m"(r));
    return r;
}

inline std::int32_t StoreInt32(const Extended& value)
{
    std::int32_t r;
    asm volatile("fldt %1\n\tfistpl %0" : "=m"(r) : "m"(value));
    return r;
}

inline std::uint16_t ControlWord()
{
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

// The control word FNINIT sets.
constexpr std::uint16_t kInitialControlWord = 0x037F;

}  // namespace unit
