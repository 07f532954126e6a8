// The calculator dialog and the module handle it loads its icon through.
#pragma once

#include <windows.h>

// This program's own module, set at start-up before the dialog exists.
extern HINSTANCE g_hInstance;

// Procedure of the IDD_MAIN template, run modally by the process entry.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
