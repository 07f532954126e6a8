// Starting the real Quorvel.exe, finding its windows and ending it.
#pragma once

#include <windows.h>

namespace e2e {

// Starts Quorvel.exe; the process information is zero if it could not start.
PROCESS_INFORMATION StartQuorvel();

// The visible top-level window of the given class and caption that belongs to
// the process, waiting for it to appear; null if it does not.
HWND WaitForWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* caption,
                     unsigned timeoutMs);

// Waits for the process to end and returns its exit code, or STILL_ACTIVE if
// it is still running after timeoutMs.
DWORD WaitForExit(HANDLE process, unsigned timeoutMs);

// Ends the program whatever state a failed test left it in: asks the dialog
// to close, then terminates the process if it is still there.
void EndQuorvel(PROCESS_INFORMATION& process, HWND dialog);

}  // namespace e2e
