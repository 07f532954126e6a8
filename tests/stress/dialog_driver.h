// Puts one generated case into the running calculator, starts the
// calculation and reads back what the program read and showed.
#ifndef QUORVEL_TESTS_STRESS_DIALOG_DRIVER_H
#define QUORVEL_TESTS_STRESS_DIALOG_DRIVER_H

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

// What the calculation worked from and what it showed, read with the calls
// the program itself makes; texts as code page 936 bytes.
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

#endif
