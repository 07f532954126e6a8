// The process entry. There is no C runtime: this is the image's entry point,
// it reads no command line, runs the calculator dialog modally and exits
// with 0 whatever the dialog ended with. Every text goes to the platform in
// UTF-16 through the wide ("W") functions, so what is shown does not depend on
// the code page for non-Unicode programs.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/main_dialog.h"
#include "res/resource.h"

HINSTANCE g_hInstance;

extern "C" void ProcessEntry()
{
    g_hInstance = GetModuleHandleW(nullptr);
    // Loads comctl32 so the version the manifest selects is in effect before
    // the dialog's controls are created.
    InitCommonControls();
    DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDialogProc, 0);
    ExitProcess(0);
}
