// The powers of ten the reader uses most, ready made: 10^-18 scales every
// fraction, and exponents of a few digits are the common ones. Each entry is
// what ComputePowerOfTen's method gives on this model (x * log2(10) split into
// n + f, 2^f - 1 correctly rounded, every step rounded to nearest), bit for
// bit; a test recomputes every entry by the method. The entries only stand in
// for the method while 2^x - 1 is the model's own correctly rounded one.
#include "core/extended_ops.h"
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace {

constexpr std::int32_t kFirstReadyPower = -18;
constexpr std::int32_t kLastReadyPower = 18;

// 10^x for x = kFirstReadyPower .. kLastReadyPower.
constexpr Extended kReadyPowers[kLastReadyPower - kFirstReadyPower + 1] = {
    MakeExtended(0x3FC3, 0x9392EE8E921D5D09u),  // 10^-18
    MakeExtended(0x3FC6, 0xB877AA3236A4B44Fu),  // 10^-17
    MakeExtended(0x3FC9, 0xE69594BEC44DE167u),  // 10^-16
    MakeExtended(0x3FCD, 0x901D7CF73AB0ACE3u),  // 10^-15
    MakeExtended(0x3FD0, 0xB424DC35095CD81Fu),  // 10^-14
    MakeExtended(0x3FD3, 0xE12E13424BB40E2Bu),  // 10^-13
    MakeExtended(0x3FD7, 0x8CBCCC096F5088DDu),  // 10^-12
    MakeExtended(0x3FDA, 0xAFEBFF0BCB24AAFAu),  // 10^-11
    MakeExtended(0x3FDD, 0xDBE6FECEBDEDD5BCu),  // 10^-10
    MakeExtended(0x3FE1, 0x89705F4136B4A598u),  // 10^-9
    MakeExtended(0x3FE4, 0xABCC77118461CF01u),  // 10^-8
    MakeExtended(0x3FE7, 0xD6BF94D5E57A42C6u),  // 10^-7
    MakeExtended(0x3FEB, 0x8637BD05AF6C69BEu),  // 10^-6
    MakeExtended(0x3FEE, 0xA7C5AC471B478422u),  // 10^-5
    MakeExtended(0x3FF1, 0xD1B71758E219652Eu),  // 10^-4
    MakeExtended(0x3FF5, 0x83126E978D4FDF3Fu),  // 10^-3
    MakeExtended(0x3FF8, 0xA3D70A3D70A3D70Bu),  // 10^-2
    MakeExtended(0x3FFB, 0xCCCCCCCCCCCCCCCEu),  // 10^-1
    MakeExtended(0x3FFF, 0x8000000000000000u),  // 10^0
    MakeExtended(0x4002, 0xA000000000000000u),  // 10^1
    MakeExtended(0x4005, 0xC7FFFFFFFFFFFFFFu),  // 10^2
    MakeExtended(0x4008, 0xF9FFFFFFFFFFFFF8u),  // 10^3
    MakeExtended(0x400C, 0x9C3FFFFFFFFFFFFEu),  // 10^4
    MakeExtended(0x400F, 0xC350000000000001u),  // 10^5
    MakeExtended(0x4012, 0xF423FFFFFFFFFFF1u),  // 10^6
    MakeExtended(0x4016, 0x98967FFFFFFFFFF9u),  // 10^7
    MakeExtended(0x4019, 0xBEBC1FFFFFFFFFFCu),  // 10^8
    MakeExtended(0x401C, 0xEE6B27FFFFFFFFFEu),  // 10^9
    MakeExtended(0x4020, 0x9502F90000000002u),  // 10^10
    MakeExtended(0x4023, 0xBA43B74000000006u),  // 10^11
    MakeExtended(0x4026, 0xE8D4A50FFFFFFFE3u),  // 10^12
    MakeExtended(0x402A, 0x9184E729FFFFFFF1u),  // 10^13
    MakeExtended(0x402D, 0xB5E620F47FFFFFF0u),  // 10^14
    MakeExtended(0x4030, 0xE35FA9319FFFFFF0u),  // 10^15
    MakeExtended(0x4034, 0x8E1BC9BF03FFFFF9u),  // 10^16
    MakeExtended(0x4037, 0xB1A2BC2EC4FFFFFAu),  // 10^17
    MakeExtended(0x403A, 0xDE0B6B3A763FFFFDu),  // 10^18
};

}  // namespace

const Extended* PrecomputedPowerOfTen(std::int32_t x)
{
    if (x < kFirstReadyPower || x > kLastReadyPower) return nullptr;
    if (!soft::TwoToXMinusOneIsCorrectlyRounded()) return nullptr;
    return &kReadyPowers[x - kFirstReadyPower];
}

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
