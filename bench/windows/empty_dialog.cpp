// The floor Quorvel.exe is measured against: the same kind of program (no
// runtime, one modal dialog from a template, exit 0) with nothing in it.
// Built twice: bare, and (QUORVEL_COMMON_CONTROLS) with Quorvel's manifest
// and its InitCommonControls call, so that loading version 6 of the common
// controls is in the floor too.
#include <windows.h>

#include <commctrl.h>

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
#ifdef QUORVEL_COMMON_CONTROLS
    InitCommonControls();
#endif
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), nullptr, EmptyDialogProc, 0);
    ExitProcess(0);
}
