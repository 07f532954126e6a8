// F2XM1, correctly rounded. A 128-bit evaluation with a bounded error (see
// soft_f2xm1_wide.cpp) settles almost every operand: if both ends of its
// error interval round to the same value, so does the exact value. Otherwise
// (for fewer than one operand in 2^50) a 320-bit series decides. 2^x - 1 is irrational for every
// rational x except 0 and +-1, so no exact tie ever needs the slow path to
// be infinitely precise.
#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"
#include "core/soft/soft_test_hooks.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

TwoToXMinusOneSource g_twoToXMinusOneSource = nullptr;

constexpr Extended kMinusOne = MakeExtended(0xBFFF, 0x8000000000000000u);

}  // namespace

namespace soft {

// The unit defines F2XM1 for |x| <= 1; beyond that it hands the operand back
// unchanged, and so does this model.
Extended TwoToXMinusOneCorrect(const Extended& x)
{
    const Class kind = Classify(x);
    if (kind == Class::kUnsupported) return kIndefinite;
    if (kind == Class::kNaN) return QuietNaN(x);
    if (kind == Class::kZero) return x;
    if (kind == Class::kInfinity) return SignOf(x) ? kMinusOne : x;
    const Unpacked u = Unpack(x);
    if (u.exp > kBias || (u.exp == kBias && u.sig != kIntegerBit)) return x;
    const WideResult wide = TwoToXMinusOneWide(u);
    const Uint128 below = Sub128(wide.sig, {0, wide.error});
    const Uint128 above = Add128(wide.sig, {0, wide.error});
    // RoundPack's scale is 2^-127 on the 128-bit significand, the wide one's 2^-126.
    const Extended low = RoundPack(wide.sign, wide.exp + 1, below.hi, below.lo);
    const Extended high = RoundPack(wide.sign, wide.exp + 1, above.hi, above.lo);
    if (low == high) return low;
    return TwoToXMinusOneSeries(u);
}

}  // namespace soft

void SetTwoToXMinusOneSource(TwoToXMinusOneSource source)
{
    g_twoToXMinusOneSource = source;
}

namespace soft {

bool TwoToXMinusOneIsCorrectlyRounded() { return g_twoToXMinusOneSource == nullptr; }

}  // namespace soft

Extended TwoToXMinusOne(const Extended& a)
{
    if (g_twoToXMinusOneSource != nullptr) return g_twoToXMinusOneSource(a);
    return soft::TwoToXMinusOneCorrect(a);
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
