// The floors Quorvel.exe is measured against: the same kind of program (no
// runtime, one modal dialog from a template, exit 0) with an empty dialog
// procedure. Built three times: bare; (QUORVEL_COMMON_CONTROLS) with
// Quorvel's manifest and its InitCommonControls call, so that loading version
// 6 of the common controls is in the floor too; and (QUORVEL_OWN_TEMPLATE)
// over Quorvel's own resources as well, so that creating the template's
// controls in its font is in the floor. Wide functions, as Quorvel's.
#include <windows.h>

#include <commctrl.h>

#ifdef QUORVEL_OWN_TEMPLATE
#include "resource.h"
#endif

namespace {

#ifdef QUORVEL_OWN_TEMPLATE
constexpr WORD kDialogId = IDD_MAIN;
#else
constexpr WORD kDialogId = 1;
#endif

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
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kDialogId), nullptr,
                    EmptyDialogProc, 0);
    ExitProcess(0);
}
