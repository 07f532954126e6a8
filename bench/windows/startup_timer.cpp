// Start-up time under a warm Wine, measured from inside Wine: launch a
// program and poll until it is ready, with the performance counter.
//   Quorvel.exe: ready when its window is visible and its result box (108)
//   shows "102", the first calculation done (which happens before the
//   window shows);
//   the empty dialogs: ready when the window exists and is visible.
// Usage: startup_timer RUNS QUORVEL_EXE EMPTY_EXE STYLED_EMPTY_EXE
// Prints one line per run and kind: "quorvel MICROSECONDS", "empty ..." (the
// bare empty dialog) and "styled ..." (with the manifest and common controls).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kResultId = 108;
constexpr DWORD kGiveUpMs = 20000;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool QuorvelReady(const wchar_t* caption)
{
    HWND dialog = FindWindowW(L"#32770", caption);
    if (!dialog || !IsWindowVisible(dialog)) return false;
    char text[16] = {};
    GetDlgItemTextA(dialog, kResultId, text, sizeof text);
    return std::strcmp(text, "102") == 0;
}

bool EmptyReady(const wchar_t* caption)
{
    HWND dialog = FindWindowW(L"#32770", caption);
    return dialog && IsWindowVisible(dialog);
}

// Launches `program`, polls `ready` until it holds, closes the window and
// waits for the process; returns the seconds to ready, or a negative value.
double TimeStart(const char* program, const wchar_t* caption, bool (*ready)(const wchar_t*))
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    char commandLine[MAX_PATH];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", program);
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    double elapsed = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        if (ready(caption)) {
            elapsed = Seconds(start, now, frequency);
            break;
        }
        if (Seconds(start, now, frequency) * 1000 > kGiveUpMs) break;
        Sleep(0);
    }
    if (HWND dialog = FindWindowW(L"#32770", caption)) PostMessageW(dialog, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, kGiveUpMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: startup_timer RUNS QUORVEL_EXE EMPTY_EXE STYLED_EMPTY_EXE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    // Alternating runs, so a drift of the machine touches both alike.
    for (int i = 0; i < runs; ++i) {
        const double quorvel = TimeStart(argv[2], L"Quorvel", QuorvelReady);
        const double empty = TimeStart(argv[3], L"Empty", EmptyReady);
        const double styled = TimeStart(argv[4], L"Empty", EmptyReady);
        if (quorvel < 0 || empty < 0 || styled < 0) {
            std::fprintf(stderr, "startup_timer: a program did not come up\n");
            return 1;
        }
        std::printf("quorvel %.0f\nempty %.0f\nstyled %.0f\n", quorvel * 1e6, empty * 1e6,
                    styled * 1e6);
        std::fflush(stdout);
    }
    return 0;
}
