// One fuzz input: two bytes choosing the caller's floating-point state and
// the mode, then the text. For every input:
//   - the software and x87 backends agree on the status and on every byte
//     of the value (the software one taking 2^f - 1 from the unit, the one
//     step where a correctly rounded result may differ from the unit's);
//   - a refusal leaves the destination as it was, and the software backend
//     refuses hand-back mode;
//   - the caller's state comes back unchanged, or in hand-back mode with the
//     value pushed on it and nothing else changed;
//   - the text sits in a heap block ending at its NUL, so AddressSanitizer
//     reports any read past it;
//   - the decimal writer writes the value read as MPFR does, with a number
//     of decimals the second byte chooses.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "core/decimal_reader.h"
#include "core/decimal_writer.h"
#include "core/soft/soft_test_hooks.h"
#include "tests/reference/model_details.h"
#include "tests/support/fpu_call.h"
#include "tests/support/host_unit.h"

// The x87 copy of the core, compiled in a namespace of its own (see
// fuzz/CMakeLists.txt and core/core_namespace.h).
namespace fuzz_x87_copy {
std::uint32_t ReadDecimal(const char* text, Extended* destination, std::uint32_t mode);
}

namespace {

const Extended kUntouched = MakeExtended(0x5A5A, 0x5A5A5A5A5A5A5A5Au);

void Require(bool condition)
{
    if (!condition) std::abort();
}

bool Same(const Extended& a, const Extended& b) { return std::memcmp(a.bytes, b.bytes, 10) == 0; }

// Control word from the first byte: precision, rounding and masks; the
// second byte gives the stack top and how many registers are in use.
FpuImage CallerState(std::uint8_t control, std::uint8_t stack)
{
    FpuImage image{};
    const auto masks = static_cast<std::uint16_t>(control & 0x3F);
    const auto precisionAndRounding = static_cast<std::uint16_t>((control >> 6) * 0x0500 & 0x0F00);
    SetFpuWord(&image, kFpuControlWord, static_cast<std::uint16_t>(0x0040 | masks | precisionAndRounding));
    const int top = (stack >> 4) & 7;
    const int used = (stack & 0x0F) % 9;
    SetFpuWord(&image, kFpuStatusWord, static_cast<std::uint16_t>(top << 11));
    std::uint16_t tags = 0;
    for (int i = 0; i < 8; ++i) {
        const int physical = (top + i) & 7;
        const bool inUse = i < used;
        if (!inUse) tags = static_cast<std::uint16_t>(tags | (3 << (2 * physical)));
        SetFpuRegister(&image, i, MakeExtended(static_cast<std::uint16_t>(0x3FFF + i), 0x8000000000000000u | static_cast<std::uint64_t>(control) << 8 | stack));
    }
    SetFpuWord(&image, kFpuTagWord, tags);
    return image;
}

void CheckUnchanged(const FpuImage& before, const FpuImage& after)
{
    for (std::size_t offset : {kFpuControlWord, kFpuStatusWord, kFpuTagWord}) {
        Require(FpuWord(before, offset) == FpuWord(after, offset));
    }
    for (int i = 0; i < 8; ++i) Require(Same(FpuRegister(before, i), FpuRegister(after, i)));
}

void CheckPushed(const FpuImage& before, const FpuImage& after, const Extended& value)
{
    Require(FpuWord(before, kFpuControlWord) == FpuWord(after, kFpuControlWord));
    Require(FpuTop(after) == ((FpuTop(before) + 7) & 7));
    Require(Same(FpuRegister(after, 0), value));
    for (int i = 1; i < 8; ++i) Require(Same(FpuRegister(after, i), FpuRegister(before, i - 1)));
    const int physical = FpuTop(after);
    Require(((FpuWord(after, kFpuTagWord) >> (2 * physical)) & 3) != 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    ext::SetTwoToXMinusOneSource(unit::TwoToXMinusOne);
    const std::size_t length = size - 2;
    std::unique_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), data + 2, length);
    text[length] = '\0';

    Extended soft = kUntouched;
    const std::uint32_t softStatus = ReadDecimal(text.get(), &soft, kReadDecimalStore);
    const FpuImage state = CallerState(data[0], data[1]);
    Extended x87 = kUntouched;
    const FpuCallResult stored = CallWithFpuState(fuzz_x87_copy::ReadDecimal, state, text.get(), &x87, kReadDecimalStore);

    Require((softStatus != 0) == (stored.status != 0));
    Require(Same(soft, x87));
    if (softStatus == 0) Require(Same(x87, kUntouched));
    CheckUnchanged(state, stored.after);

    if (softStatus != 0) {
        static char written[kDecimalTextCapacity];
        const int decimals = data[1] % (kMaxDecimals + 1);
        const int length = WriteDecimal(soft, decimals, written);
        Require(std::string(written, static_cast<std::size_t>(length)) ==
                reference::MpfrDecimal(soft, decimals));
    }

    if (data[1] & 0x80) {
        Extended untouched = kUntouched;
        // No register stack to hand back on: the software backend refuses.
        Require(ReadDecimal(text.get(), &untouched, kReadDecimalHandBack) == 0);
        const FpuCallResult handed = CallWithFpuState(fuzz_x87_copy::ReadDecimal, state, text.get(), &untouched, kReadDecimalHandBack);
        Require(Same(untouched, kUntouched));
        if (handed.status == 0) {
            CheckUnchanged(state, handed.after);
        } else {
            CheckPushed(state, handed.after, x87);
        }
    }
    return 0;
}
