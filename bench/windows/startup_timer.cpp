// Start-up time under a warm Wine, measured from inside Wine: launch a
// program and poll until it is ready, with the performance counter.
//   Quorvel.exe: ready when its window is visible and its result box (108)
//   shows "102", the first calculation done (which happens before the
//   window shows);
//   the floors: ready when the window exists and is visible.
// Usage: startup_timer RUNS QUORVEL_EXE EMPTY_EXE STYLED_EMPTY_EXE TEMPLATE_EXE
// Prints one line per run and kind: "quorvel MICROSECONDS", "empty ..." (the
// bare empty dialog), "styled ..." (with the manifest and common controls)
// and "template ..." (the same over Quorvel's own template).
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

bool WindowReady(const wchar_t* caption)
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

// The programs in the order of the command line. Each run launches them in
// turn, so a drift of the machine touches all alike, and starts one later in
// the list than the run before, so that none always follows the same one.
struct Program {
    const char* kind;
    const wchar_t* caption;
    bool (*ready)(const wchar_t* caption);
};

constexpr Program kPrograms[] = {
    {"quorvel", L"Quorvel", QuorvelReady},
    {"empty", L"Empty", WindowReady},
    {"styled", L"Empty", WindowReady},
    {"template", L"Quorvel", WindowReady},
};
constexpr int kProgramCount = sizeof kPrograms / sizeof kPrograms[0];

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 + kProgramCount) {
        std::fprintf(stderr,
                     "usage: startup_timer RUNS QUORVEL_EXE EMPTY_EXE STYLED_EMPTY_EXE "
                     "TEMPLATE_EXE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < kProgramCount; ++turn) {
            const int i = (run + turn) % kProgramCount;
            const Program& program = kPrograms[i];
            const double seconds = TimeStart(argv[2 + i], program.caption, program.ready);
            if (seconds < 0) {
                std::fprintf(stderr, "startup_timer: %s did not come up\n", program.kind);
                return 1;
            }
            std::printf("%s %.0f\n", program.kind, seconds * 1e6);
        }
        std::fflush(stdout);
    }
    return 0;
}
