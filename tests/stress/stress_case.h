// One generated calculation: the texts that go into the three boxes, how the
// diagonal gets there and how the calculation is started.
#pragma once

#include <string>

#include "random.h"

namespace stress {

// Typed: one WM_CHAR per character, so the box's 4-character limit decides
// what it keeps. Set: WM_SETTEXT, which the limit does not stop, so that the
// program's read of at most 9 characters meets longer texts.
enum class Entry { Typed, Set };

enum class Trigger { EnterInWidth, EnterInHeight, EnterInDiagonal, CalculateButton };

struct StressCase {
    std::wstring width;   // always typed
    std::wstring height;  // always typed
    std::wstring diagonal;
    Entry entry;
    Trigger trigger;
};

// Case `index` of the run: the triggers alternate between Enter (in each box
// in turn) and the calculate button.
StressCase GenerateCase(Random& random, int index);

const char* NameOf(Entry entry);
const char* NameOf(Trigger trigger);

}  // namespace stress
