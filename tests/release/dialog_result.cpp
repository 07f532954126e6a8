#include "tests/release/dialog_result.h"

#include <cstring>

#include "res/resource.h"

namespace release {
namespace {

constexpr DWORD kOpeningTimeoutMs = 30000;
constexpr DWORD kPollMs = 50;

struct WindowSearch {
    DWORD processId;
    HWND dialog;
};

BOOL CALLBACK TakeDialogOf(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || std::strcmp(className, "#32770") != 0) return TRUE;
    search->dialog = window;
    return FALSE;
}

}  // namespace

HWND WaitForResult(DWORD processId, char* result, int size)
{
    for (DWORD waited = 0; waited < kOpeningTimeoutMs; waited += kPollMs) {
        WindowSearch search{processId, nullptr};
        EnumWindows(TakeDialogOf, reinterpret_cast<LPARAM>(&search));
        if (search.dialog && GetDlgItemTextA(search.dialog, IDC_RESULT, result, size) > 0)
            return search.dialog;
        Sleep(kPollMs);
    }
    return nullptr;
}

}  // namespace release
