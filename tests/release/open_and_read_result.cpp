// Starts a program (a copy of Quorvel.exe), waits for its dialog, prints
// what the result box shows on opening and closes it again.
//   open_and_read_result PROGRAM
// Exit code 0 when the dialog opened showing the expected result.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tests/release/dialog_result.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_and_read_result PROGRAM\n");
        return 2;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("FAIL: %s does not start (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    char result[32] = {};
    const HWND dialog = release::WaitForResult(process.dwProcessId, result, sizeof result);
    if (dialog) PostMessageA(dialog, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    if (!dialog) {
        std::printf("FAIL: no dialog with a result appeared\n");
        return 1;
    }
    std::printf("result box shows \"%s\"\n", result);
    return std::strcmp(result, release::kExpectedResult) == 0 ? 0 : 1;
}
