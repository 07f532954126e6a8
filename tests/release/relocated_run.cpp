// Runs Quorvel.exe away from the base it was linked for. Wine cannot start a
// process whose main image must move (process creation then fails with
// ERROR_IMAGE_NOT_AT_BASE), so the move is made in a copy of the file, with
// the file's own relocation table, as a loader makes it under address-space
// randomisation; the moved copy must start at its new base, open and show
// the expected result. An address the table misses still points at the old
// base, where nothing is mapped in the moved process.
//   relocated_run PROGRAM MOVED_COPY
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/release/dialog_result.h"
#include "tests/release/pe_rebase.h"

namespace {

// Far from where the linker puts either program (0x400000; 0x140000000 for
// x64), and for x64 above 4 GiB, where an address cut to 32 bits shows.
constexpr std::uint64_t kMovedBase = sizeof(void*) == 8 ? 0x7FF600000000 : 0x20000000;

int Fail(const char* why)
{
    std::printf("FAIL: %s\n", why);
    return 1;
}

HMODULE MainImageOf(HANDLE process)
{
    HMODULE image = nullptr;
    DWORD needed = 0;
    return EnumProcessModules(process, &image, sizeof image, &needed) ? image : nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: relocated_run PROGRAM MOVED_COPY\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), {}};
    const release::Rebased moved = release::RebaseImage(image, kMovedBase);
    if (!moved.ok) return Fail("no usable relocation table");
    if (moved.oldBase == kMovedBase) return Fail("the program is already linked for the new base");
    std::ofstream(argv[2], std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    std::printf("moved from 0x%08llX to 0x%08llX: %d addresses\n",
                static_cast<unsigned long long>(moved.oldBase),
                static_cast<unsigned long long>(kMovedBase), moved.fixups);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(argv[2], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return Fail("the moved copy does not start");
    char result[32] = {};
    const HWND dialog = release::WaitForResult(process.dwProcessId, result, sizeof result);
    const auto loadedAt = reinterpret_cast<std::uintptr_t>(MainImageOf(process.hProcess));
    if (dialog) PostMessageA(dialog, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::printf("ran at 0x%08llX\n", static_cast<unsigned long long>(loadedAt));
    if (loadedAt != kMovedBase) return Fail("the copy did not run at its new base");
    if (!dialog) return Fail("no dialog with a result appeared");
    std::printf("result box shows \"%s\"\n", result);
    return std::strcmp(result, release::kExpectedResult) == 0 ? 0 : 1;
}
