// The calculator dialog: limits and colours its boxes, runs each control's
// command from the description (the calculation also once while opening), and
// ends on WM_CLOSE only (Esc's IDCANCEL is ignored).
#include "app/win32/main_dialog.h"

#include "app/dialog_description.h"
#include "app/grammar_byte.h"
#include "app/win32/wide_texts.h"
#include "core/density.h"
#include "res/resource.h"

namespace {

// Holds the characters of the diagonal the calculation reads, and the NUL.
constexpr int kDiagonalBufferSize = kDiagonalTextLength + 1;
// "%d" of any 32-bit integer: "-2147483648" and the NUL.
constexpr int kDensityTextSize = 12;

// The edit boxes' background. Made on first use and released with the dialog,
// so repainting never makes another.
HBRUSH editBackgroundBrush = nullptr;

int IdOf(HWND control)
{
    return static_cast<int>(GetWindowLongW(control, GWL_ID));
}

// The diagonal as the reader sees it, up to the NUL that ends the box's text.
void ReadDiagonal(HWND dialog, char (&diagonal)[kDiagonalBufferSize])
{
    wchar_t typed[kDiagonalBufferSize] = {};
    GetDlgItemTextW(dialog, IDC_DIAGONAL, typed, kDiagonalBufferSize);
    int length = 0;
    for (; length < kDiagonalTextLength && typed[length] != 0; ++length) {
        diagonal[length] = GrammarByteOf(typed[length]);
    }
    diagonal[length] = '\0';
}

void Calculate(HWND dialog)
{
    const UINT width = GetDlgItemInt(dialog, IDC_WIDTH, nullptr, FALSE);
    const UINT height = GetDlgItemInt(dialog, IDC_HEIGHT, nullptr, FALSE);
    char diagonal[kDiagonalBufferSize];
    ReadDiagonal(dialog, diagonal);

    const DensityResult result = CalculateDensity(width, height, diagonal);
    if (result.kind == DensityKind::InputError) {
        SetDlgItemTextW(dialog, IDC_RESULT, kInputErrorText);
        return;
    }
    wchar_t text[kDensityTextSize];
    wsprintfW(text, L"%d", result.density);
    SetDlgItemTextW(dialog, IDC_RESULT, text);
}

void OnInitDialog(HWND dialog)
{
    const HICON icon = LoadIconW(g_hInstance, MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    for (const BoxDescription& box : kBoxes) {
        if (box.limit == kNoLimit) continue;
        SendDlgItemMessageW(dialog, box.id, EM_LIMITTEXT, static_cast<WPARAM>(box.limit), 0);
    }
    // The dialog opens showing the density of the template's own values.
    SendMessageW(dialog, WM_COMMAND, IDC_CALCULATE, 0);
}

INT_PTR OnCtlColorEdit(HDC dc, HWND control)
{
    const BoxDescription* box = FindRow(kBoxes, IdOf(control));
    if (box && box->text != kDefaultColour) SetTextColor(dc, box->text);
    if (!editBackgroundBrush) editBackgroundBrush = CreateSolidBrush(kEditBackground);
    return reinterpret_cast<INT_PTR>(editBackgroundBrush);
}

INT_PTR OnCtlColorStatic(HDC dc, HWND control)
{
    if (const LabelColour* colour = FindRow(kLabelColours, IdOf(control))) {
        SetTextColor(dc, colour->text);
    }
    // Statics draw over the dialog's own background.
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

// The command of the control that sent it (app/dialog_description.h).
void OnCommand(HWND dialog, WPARAM wParam)
{
    const CommandDescription<wchar_t>* command = FindRow(kWideCommands, LOWORD(wParam));
    if (!command) return;
    if (command->kind == CommandKind::Calculate) return Calculate(dialog);
    MessageBoxW(dialog, command->text, command->caption, static_cast<UINT>(command->icon));
}

void OnDestroy()
{
    if (editBackgroundBrush) DeleteObject(editBackgroundBrush);
    editBackgroundBrush = nullptr;
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return TRUE;
        case WM_CTLCOLOREDIT:
            return OnCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLORSTATIC:
            return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            OnCommand(dialog, wParam);
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        default:
            return FALSE;
    }
}
