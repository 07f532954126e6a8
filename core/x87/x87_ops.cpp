// The extended-precision operations on the x87 unit itself. Each operation
// loads its operands from memory, runs one instruction and stores the result
// as 10 bytes, leaving the register stack as it found it; the 80-bit load and
// store are exact, so the rounding is the instruction's alone, under the
// control word in force (the one FNINIT sets, inside the reader and the
// density calculation). Every asm is volatile so the compiler keeps them in
// program order relative to the FNINIT/FRSTOR that set that control word.
// AT&T syntax, valid for both i686 and x86-64.
#include "core/extended_ops.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

// 2^64, to lift FILD's signed 64-bit load into the unsigned range.
constexpr Extended kTwoTo64 = MakeExtended(0x403F, 0x8000000000000000u);

// Binary operations as "a OP b" with a in ST(0) and b in ST(1).
#define QUORVEL_X87_BINARY(instruction)                                                 \
    Extended result;                                                                    \
    asm volatile("fldt %2\n\t"                                                          \
                 "fldt %1\n\t" instruction " %%st(1), %%st\n\t"                         \
                 "fstpt %0\n\t"                                                         \
                 "fstp %%st(0)"                                                         \
                 : "=m"(result)                                                         \
                 : "m"(a), "m"(b));                                                     \
    return result

#define QUORVEL_X87_UNARY(instruction)                                                  \
    Extended result;                                                                    \
    asm volatile("fldt %1\n\t" instruction "\n\t"                                       \
                 "fstpt %0"                                                             \
                 : "=m"(result)                                                         \
                 : "m"(a));                                                             \
    return result

}  // namespace

void SaveAndReset(SavedState* saved)
{
    asm volatile("fnsave %0\n\tfninit" : "=m"(*saved) : : "memory");
}

void Restore(const SavedState* saved) { asm volatile("frstor %0" : : "m"(*saved) : "memory"); }

void Reset() { asm volatile("fninit" : : : "memory"); }

bool PushOnStack(const Extended& value)
{
    asm volatile("ffree %%st(7)\n\tfldt %0" : : "m"(value) : "memory");
    return true;
}

// The unit's F2XM1 may differ from a correctly rounded one in the last bit,
// and only the unit knows which way: every power is computed where it is used.
const Extended* PrecomputedPowerOfTen(std::int32_t /*x*/) { return nullptr; }

Extended LoadPacked(const PackedDecimal& packed)
{
    Extended result;
    asm volatile("fbld %1\n\tfstpt %0" : "=m"(result) : "m"(packed));
    return result;
}

Extended LoadInt32(std::int32_t value)
{
    Extended result;
    asm volatile("fildl %1\n\tfstpt %0" : "=m"(result) : "m"(value));
    return result;
}

Extended LoadUint64(std::uint64_t value)
{
    Extended result;
    asm volatile("fildll %1\n\tfstpt %0" : "=m"(result) : "m"(value));
    if (value >> 63) result = Add(result, kTwoTo64);
    return result;
}

Extended LoadLog2Ten()
{
    Extended result;
    asm volatile("fldl2t\n\tfstpt %0" : "=m"(result));
    return result;
}

Extended Add(const Extended& a, const Extended& b) { QUORVEL_X87_BINARY("fadd"); }
Extended Sub(const Extended& a, const Extended& b) { QUORVEL_X87_BINARY("fsub"); }
Extended Mul(const Extended& a, const Extended& b) { QUORVEL_X87_BINARY("fmul"); }
Extended Div(const Extended& a, const Extended& b) { QUORVEL_X87_BINARY("fdiv"); }

// FSCALE takes no operands: ST(0) * 2^trunc(ST(1)).
Extended Scale(const Extended& a, const Extended& exponent)
{
    Extended result;
    asm volatile("fldt %2\n\tfldt %1\n\tfscale\n\tfstpt %0\n\tfstp %%st(0)"
                 : "=m"(result)
                 : "m"(a), "m"(exponent));
    return result;
}

Extended Sqrt(const Extended& a) { QUORVEL_X87_UNARY("fsqrt"); }
Extended RoundToInteger(const Extended& a) { QUORVEL_X87_UNARY("frndint"); }
Extended TwoToXMinusOne(const Extended& a) { QUORVEL_X87_UNARY("f2xm1"); }

std::int32_t StoreInt32(const Extended& value)
{
    std::int32_t result;
    asm volatile("fldt %1\n\tfistpl %0" : "=m"(result) : "m"(value));
    return result;
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
