// The module's exports over the shared calculate command: a UTF-16 buffer for
// each input box, which the page fills, and the result text it reads back.
#include "app/web/module/module_exports.h"

#include "app/calculate_command.h"
#include "app/dialog_description.h"

// The name the page calls a function by; the linker keeps nothing else.
#define QUORVEL_EXPORT(name) __attribute__((export_name(#name)))

namespace {

constexpr int kWidth = BoxNumberOf(IDC_WIDTH);
constexpr int kHeight = BoxNumberOf(IDC_HEIGHT);
constexpr int kDiagonal = BoxNumberOf(IDC_DIAGONAL);
static_assert(kWidth < kInputBoxes && kHeight < kInputBoxes && kDiagonal < kInputBoxes,
              "Calculate takes a length for each input box, at its number");
// Far beyond what a box takes (kInputLimit characters, each at most two
// UTF-16 units) and what the calculation reads of it.
constexpr int kBoxCapacity = 64;

char16_t boxes[kInputBoxes][kBoxCapacity];
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
    return box >= 0 && box < kInputBoxes ? boxes[box] : nullptr;
}

QUORVEL_EXPORT(BoxCapacity) int BoxCapacity()
{
    return kBoxCapacity;
}

QUORVEL_EXPORT(Calculate) int Calculate(int length0, int length1, int length2)
{
    const int lengths[kInputBoxes] = {length0, length1, length2};
    result =
        CalculateCommand(BoxTextOf(kWidth, lengths[kWidth]), BoxTextOf(kHeight, lengths[kHeight]),
                         BoxTextOf(kDiagonal, lengths[kDiagonal]));
    return result.length;
}

QUORVEL_EXPORT(ResultText) const char* ResultText()
{
    return result.bytes;
}

}  // extern "C"
