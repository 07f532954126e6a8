// The calculator dialog: limits and colours its boxes, runs each control's
// command from the description (the calculation also once while opening), and
// ends on WM_CLOSE only (Esc's IDCANCEL is ignored).
#include "app/win32/main_dialog.h"

#include "app/calculate_command.h"
#include "app/dialog_description.h"
#include "app/win32/wide_texts.h"
#include "res/resource.h"

namespace {

// The edit boxes' background. Made on first use and released with the dialog,
// so repainting never makes another.
HBRUSH editBackgroundBrush = nullptr;

int IdOf(HWND control)
{
    return static_cast<int>(GetWindowLongW(control, GWL_ID));
}

// Room for more of a box's text than the calculate command reads of it.
constexpr int kBoxTextCapacity = 64;

// The calculate command the Linux window and the page run too
// (app/calculate_command.h), on the boxes' texts as the dialog holds them.
void Calculate(HWND dialog)
{
    wchar_t texts[kInputBoxes][kBoxTextCapacity];
    BoxText boxes[kInputBoxes];
    for (int i = 0; i < kInputBoxes; ++i) {
        const int length =
            static_cast<int>(GetDlgItemTextW(dialog, kBoxes[i].id, texts[i], kBoxTextCapacity));
        boxes[i] = {reinterpret_cast<const char16_t*>(texts[i]), length};
    }
    const ResultBoxText result = CalculateCommand(boxes[0], boxes[1], boxes[2]);
    wchar_t shown[kResultTextCapacity + 1] = {};
    MultiByteToWideChar(CP_UTF8, 0, result.bytes, result.length, shown, kResultTextCapacity);
    SetDlgItemTextW(dialog, IDC_RESULT, shown);
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
