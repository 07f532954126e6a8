// The floor Quorvel.exe is measured against: the same kind of program (no
// runtime, one modal dialog from a template, exit 0) with nothing in it.
#include <windows.h>

namespace {

INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_CLOSE) return FALSE;
    EndDialog(dialog, 0);
    return TRUE;
}

}  // namespace

extern "C" void ProcessEntry()
{
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), nullptr, EmptyDialogProc, 0);
    ExitProcess(0);
}
