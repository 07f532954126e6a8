// The module's exports over the shared calculate command: three UTF-16
// buffers the page fills, and the result text it reads back.
#include "app/web/module/module_exports.h"

#include "app/calculate_command.h"

// The name the page calls a function by; the linker keeps nothing else.
#define QUORVEL_EXPORT(name) __attribute__((export_name(#name)))

namespace {

constexpr int kBoxCount = 3;
// Far beyond what a box takes (kInputLimit characters, each at most two
// UTF-16 units) and what the calculation reads of it.
constexpr int kBoxCapacity = 64;

char16_t boxes[kBoxCount][kBoxCapacity];
ResultBoxText result;

BoxText BoxTextOf(int box, int length)
{
    const int clipped = length < 0 ? 0 : length > kBoxCapacity ? kBoxCapacity : length;
    return {boxes[box], clipped};
}

}  // namespace

extern "C" {

QUORVEL_EXPORT(BoxBuffer) char16_t* BoxBuffer(int box)
{
    return box >= 0 && box < kBoxCount ? boxes[box] : nullptr;
}

QUORVEL_EXPORT(BoxCapacity) int BoxCapacity()
{
    return kBoxCapacity;
}

QUORVEL_EXPORT(Calculate) int Calculate(int widthLength, int heightLength, int diagonalLength)
{
    result =
        CalculateCommand(BoxTextOf(kWidthBox, widthLength), BoxTextOf(kHeightBox, heightLength),
                         BoxTextOf(kDiagonalBox, diagonalLength));
    return result.length;
}

QUORVEL_EXPORT(ResultText) const char* ResultText()
{
    return result.bytes;
}

}  // extern "C"
