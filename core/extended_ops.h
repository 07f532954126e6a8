// The arithmetic the reader and the density calculation run on. Two
// backends implement it: the x87 unit itself (core/x87) and a portable,
// bit-exact software model of it (core/soft). Every operation rounds to
// nearest, ties to even, with a 64-bit significand and the full 15-bit
// exponent range (denormals included); invalid operations give the
// indefinite NaN, as the unit does with all exceptions masked.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

// The caller's complete floating-point state, as FNSAVE writes it.
struct SavedState {
    std::uint8_t image[108];
};

// FNSAVE then FNINIT: the caller's state is kept aside and the unit starts
// afresh (64-bit precision, round to nearest, exceptions masked, empty stack).
void SaveAndReset(SavedState* saved);
// FRSTOR.
void Restore(const SavedState* saved);
// FNINIT without saving.
void Reset();
// Pushes a value onto the caller's register stack, freeing the deepest
// register first so a full stack cannot overflow (FFREE ST(7); FLD); true
// when pushed. Backends without a register stack push nothing and say false.
bool PushOnStack(const Extended& value);

// A backend may keep powers of ten ready, each computed by exactly the method
// of ComputePowerOfTen (core/power_of_ten.cpp), so the reader need not build
// the common ones on every call: 10^x when it is among them, else nullptr.
const Extended* PrecomputedPowerOfTen(std::int32_t x);

Extended LoadPacked(const PackedDecimal& packed);  // FBLD, exact
Extended LoadInt32(std::int32_t value);            // FILD m32, exact
Extended LoadUint64(std::uint64_t value);          // exact (64-bit significand)
Extended LoadLog2Ten();                            // FLDL2T

Extended Add(const Extended& a, const Extended& b);
Extended Sub(const Extended& a, const Extended& b);
Extended Mul(const Extended& a, const Extended& b);
Extended Div(const Extended& a, const Extended& b);
Extended Sqrt(const Extended& a);
Extended RoundToInteger(const Extended& a);                   // FRNDINT
Extended Scale(const Extended& a, const Extended& exponent);  // FSCALE: a * 2^trunc(exponent)
Extended TwoToXMinusOne(const Extended& a);                   // F2XM1, for |a| <= 1/2

// FISTP m32: rounds to nearest even; NaN, infinities and values outside the
// 32-bit range give the integer-indefinite value 0x80000000.
std::int32_t StoreInt32(const Extended& value);
constexpr std::int32_t kIntegerIndefinite = -2147483647 - 1;  // bits 0x80000000

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
