// Thousands of generated calculations through the real Quorvel.exe: each
// case is typed or set into the boxes and calculated by Enter or the
// calculate button, and what the program read and showed goes to a log that
// the natively built checker recomputes. Meanwhile the program must answer
// every message in time and hold no more brushes than it started with, and
// in the end close with exit code 0.
//
// Usage: stress_driver LOG CASES SEED   (LOG is a host path)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../e2e/dialog_facts.h"
#include "../e2e/gdi_census.h"
#include "../e2e/quorvel_process.h"
#include "../e2e/timing.h"
#include "case_log.h"
#include "dialog_driver.h"
#include "random.h"
#include "stress_case.h"

namespace {

using stress::Dialog;

// The log holds the result box's text as code page 936 bytes, read through
// the "A" call in the locale the tests run in.
constexpr UINT kChineseCodePage = 936;
constexpr int kCensusInterval = 1000;

struct Run {
    PROCESS_INFORMATION process;
    Dialog dialog;
    std::FILE* log;
    ULONGLONG startTick;
    int baselineBrushes;
};

bool Fail(const std::string& why)
{
    std::fprintf(stderr, "stress: %s\n", why.c_str());
    return false;
}

bool Start(Run* run)
{
    run->process = e2e::StartQuorvel();
    if (!run->process.hProcess) return Fail("Quorvel.exe did not start");
    const HWND window = e2e::WaitForWindowOf(run->process.dwProcessId, e2e::kDialogClass,
                                             e2e::kDialogCaption, e2e::kStartTimeoutMs);
    if (!window) return Fail("no dialog \"Quorvel\" appeared");
    run->dialog = stress::DialogOf(window);
    // The brush is made by the first paint of an edit box; it belongs to the
    // baseline, whatever the calculations do later must not add to it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    run->baselineBrushes = e2e::CountBrushes(run->process.hProcess);
    if (run->baselineBrushes <= 0) return Fail("the program's GDI handle table cannot be read");
    std::printf("brushes at the start: %d\n", run->baselineBrushes);
    return true;
}

bool TakeCensus(const Run& run, int casesDone)
{
    const int brushes = e2e::CountBrushes(run.process.hProcess);
    const double seconds = static_cast<double>(GetTickCount64() - run.startTick) / 1000.0;
    std::printf("after %5d cases (%5.1f s): %d brushes\n", casesDone, seconds, brushes);
    std::fflush(stdout);
    if (brushes <= run.baselineBrushes) return true;
    return Fail("the brushes grew from " + std::to_string(run.baselineBrushes) + " to " +
                std::to_string(brushes));
}

bool RunCases(Run* run, int cases, std::uint64_t seed)
{
    stress::Random random(seed);
    run->startTick = GetTickCount64();
    for (int i = 0; i < cases; ++i) {
        if (i > 0 && i % kCensusInterval == 0 && !TakeCensus(*run, i)) return false;
        const stress::StressCase c = stress::GenerateCase(random, i);
        stress::Observation seen{};
        std::string failure;
        if (!stress::RunCase(run->dialog, c, &seen, &failure))
            return Fail("case " + std::to_string(i) + ": " + failure);
        stress::WriteCase(run->log, i, c, seen);
    }
    return TakeCensus(*run, cases);
}

bool CloseAndCheckExit(Run* run)
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(run->dialog.window, WM_CLOSE, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             e2e::kReplyTimeoutMs, &ignored))
        return Fail("WM_CLOSE was not answered");
    const DWORD code = e2e::WaitForExit(run->process.hProcess, e2e::kReplyTimeoutMs);
    if (code == STILL_ACTIVE) return Fail("the program did not end after WM_CLOSE");
    if (code != 0) return Fail("the program ended with exit code " + std::to_string(code));
    std::printf("closed with exit code 0\n");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LOG CASES SEED\n", argv[0]);
        return 2;
    }
    if (GetACP() != kChineseCodePage) {
        Fail("the ANSI code page is " + std::to_string(GetACP()) +
             ", not 936 (LC_ALL=zh_CN.UTF-8)");
        return 1;
    }
    const int cases = std::atoi(argv[2]);
    const std::uint64_t seed = std::strtoull(argv[3], nullptr, 10);
    Run run{};
    run.log = stress::OpenLog(argv[1]);
    if (!run.log) {
        Fail(std::string("cannot write ") + argv[1]);
        return 1;
    }
    std::printf("%d cases, seed %llu\n", cases, static_cast<unsigned long long>(seed));
    const bool passed = Start(&run) && RunCases(&run, cases, seed) && CloseAndCheckExit(&run);
    std::fclose(run.log);
    e2e::EndQuorvel(run.process, run.dialog.window);
    return passed ? 0 : 1;
}
