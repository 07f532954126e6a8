// The host's own x87 unit, one instruction per helper: the reference the
// software model must match bit for bit. x86-64 Linux runs with the control
// word FNINIT sets (0x037F: 64-bit precision, round to nearest, exceptions
// masked); operands travel through exact 80-bit loads and stores.
#pragma once

#include <cstdint>

#include "core/extended.h"

namespace unit {

// a in ST(0), b in ST(1); the second register is popped afterwards.
#define QUORVEL_UNIT_BINARY(name, instruction)                                        \
    inline Extended name(const Extended& a, const Extended& b)                        \
    {                                                                                 \
        Extended r;                                                                   \
        asm volatile("fldt %2\n\tfldt %1\n\t" instruction "\n\tfstpt %0\n\tfstp %%st" \
                     : "=m"(r)                                                        \
                     : "m"(a), "m"(b));                                               \
        return r;                                                                     \
    }

// One operand loaded from memory by `instruction`, the result in ST(0).
#define QUORVEL_UNIT_UNARY(name, type, load, instruction)                           \
    inline Extended name(const type& a)                                             \
    {                                                                               \
        Extended r;                                                                 \
        asm volatile(load " %1\n\t" instruction "\n\tfstpt %0" : "=m"(r) : "m"(a)); \
        return r;                                                                   \
    }

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

constexpr std::uint16_t kInitialControlWord = 0x037F;

}  // namespace unit
