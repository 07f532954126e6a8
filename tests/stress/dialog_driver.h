// Puts one generated case into the running calculator, starts the
// calculation and reads back what the program read and showed.
#pragma once

#include <windows.h>

#include <string>

#include "stress_case.h"

namespace stress {

struct Dialog {
    HWND window;
    HWND width;
    HWND height;
    HWND diagonal;
    HWND result;
    HWND calculate;
};

Dialog DialogOf(HWND window);

// What the calculation worked from and what it showed: the width and height
// as GetDlgItemInt reads them, the first 9 characters of the diagonal box
// (UTF-8) and the result box's text (code page 936 bytes).
struct Observation {
    UINT width;
    UINT height;
    std::string diagonal;
    std::string shown;
};

// Runs one case. False, with the reason in *failure, if the program stops
// answering within the time allowed or a typed box holds other than what
// typing can put there.
bool RunCase(const Dialog& dialog, const StressCase& c, Observation* seen, std::string* failure);

}  // namespace stress
