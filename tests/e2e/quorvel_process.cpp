#include "quorvel_process.h"

#include <string>

#include "host_command.h"
#include "timing.h"

namespace e2e {
namespace {

HWND FindWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* caption)
{
    // Other programs (a test running beside this one, a dialog left by an
    // earlier test) may show a window of the same name.
    for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, caption); window;
         window = FindWindowExW(nullptr, window, windowClass, caption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

}  // namespace

PROCESS_INFORMATION StartQuorvel()
{
    std::wstring line = L"\"" + DosPathOf(QUORVEL_EXE) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return PROCESS_INFORMATION{};
    return process;
}

HWND WaitForWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* caption,
                     unsigned timeoutMs)
{
    HWND found = nullptr;
    PollUntil(timeoutMs, [&] { return (found = FindWindowOf(processId, windowClass, caption)); });
    return found;
}

DWORD WaitForExit(HANDLE process, unsigned timeoutMs)
{
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

void EndQuorvel(PROCESS_INFORMATION& process, HWND dialog)
{
    if (!process.hProcess) return;
    if (dialog && IsWindow(dialog)) PostMessageW(dialog, WM_CLOSE, 0, 0);
    if (WaitForExit(process.hProcess, kReplyTimeoutMs) == STILL_ACTIVE) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kReplyTimeoutMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    process = PROCESS_INFORMATION{};
}

}  // namespace e2e
