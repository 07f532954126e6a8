// The calculator dialog: limits and colours its boxes, calculates the density
// on IDC_CALCULATE (also once while opening), shows the About box and the
// contact notice, and ends on WM_CLOSE only (Esc's IDCANCEL is ignored).
#include "app/win32/main_dialog.h"

#include <cstddef>

#include "app/dialog_description.h"
#include "app/win32/texts.h"
#include "core/density.h"
#include "res/resource.h"

namespace {

// Holds the characters of the diagonal the calculation reads, and the NUL.
constexpr int kDiagonalBufferSize = kDiagonalTextLength + 1;
// Stands for any character outside ASCII in the text the reader sees.
constexpr char kNotInGrammar = '\x80';
// "%d" of any 32-bit integer: "-2147483648" and the NUL.
constexpr int kDensityTextSize = 12;

// The edit boxes' background. Made on first use and released with the dialog,
// so repainting never makes another.
HBRUSH whiteEditBrush = nullptr;

template <std::size_t N>
const ControlTextColour* FindTextColour(const ControlTextColour (&table)[N], HWND control)
{
    const LONG id = GetWindowLongW(control, GWL_ID);
    for (const ControlTextColour& entry : table) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

// The reader's grammar is ASCII. A character outside it becomes a byte the
// grammar has no place for, so it fails wherever it stands; nothing is
// mapped to a look-alike ASCII character, as a code page's best fit would.
void ReadDiagonal(HWND dialog, char (&diagonal)[kDiagonalBufferSize])
{
    wchar_t typed[kDiagonalBufferSize] = {};
    GetDlgItemTextW(dialog, IDC_DIAGONAL, typed, kDiagonalBufferSize);
    for (int i = 0; i < kDiagonalBufferSize; ++i) {
        diagonal[i] = typed[i] < 0x80 ? static_cast<char>(typed[i]) : kNotInGrammar;
    }
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
    for (int id : kLimitedEdits) SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, kInputLimit, 0);
    // The dialog opens showing the density of the template's own values.
    SendMessageW(dialog, WM_COMMAND, IDC_CALCULATE, 0);
}

INT_PTR OnCtlColorEdit(HDC dc, HWND control)
{
    if (const ControlTextColour* colour = FindTextColour(kEditTextColours, control)) {
        SetTextColor(dc, colour->text);
    }
    if (!whiteEditBrush) whiteEditBrush = CreateSolidBrush(kEditBackground);
    return reinterpret_cast<INT_PTR>(whiteEditBrush);
}

INT_PTR OnCtlColorStatic(HDC dc, HWND control)
{
    if (const ControlTextColour* colour = FindTextColour(kStaticTextColours, control)) {
        SetTextColor(dc, colour->text);
    }
    // Statics draw over the dialog's own background.
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

void OnCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
        case IDC_CALCULATE:
            Calculate(dialog);
            break;
        case IDC_ABOUT:
            MessageBoxW(dialog, kAboutText, kAboutCaption, MB_ICONINFORMATION);
            break;
        case IDC_CONTACT:
            MessageBoxW(dialog, kContactNotice, kContactCaption, MB_OK);
            break;
        default:
            break;
    }
}

void OnDestroy()
{
    if (whiteEditBrush) DeleteObject(whiteEditBrush);
    whiteEditBrush = nullptr;
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
