// Finding the calculator dialog of a process and what its result box shows.
#pragma once

#include <windows.h>

namespace release {

constexpr char kExpectedResult[] = "102";  // 1920 x 1080 at 21.5, as the dialog opens

// The process's dialog once its result box holds text, with that text copied
// to `result`; null if none appears within the timeout.
HWND WaitForResult(DWORD processId, char* result, int size);

}  // namespace release
