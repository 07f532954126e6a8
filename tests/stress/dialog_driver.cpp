#include "dialog_driver.h"

#include "../e2e/control_io.h"
#include "../e2e/dialog_facts.h"
#include "../e2e/timing.h"

namespace stress {
namespace {

// The calculation reads the first 9 characters of the diagonal box.
constexpr int kDiagonalBufferSize = 10;
// Ample for "%d" of any 32-bit integer and for the input-error text.
constexpr int kShownBufferSize = 64;

// Every message the driver sends waits at most this long for its answer,
// so a program that hangs fails the run instead of stalling it.
bool Ask(HWND control, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* answer = nullptr)
{
    DWORD_PTR result = 0;
    const LRESULT done =
        SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                            e2e::kReplyTimeoutMs, &result);
    if (answer) *answer = result;
    return done != 0;
}

bool SetText(HWND control, const std::wstring& text)
{
    return Ask(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ReadText(HWND control, std::wstring* text)
{
    wchar_t buffer[64] = L"";
    if (!Ask(control, WM_GETTEXT, sizeof buffer / sizeof buffer[0],
             reinterpret_cast<LPARAM>(buffer)))
        return false;
    *text = buffer;
    return true;
}

void PostTrigger(const Dialog& dialog, Trigger trigger)
{
    switch (trigger) {
        case Trigger::EnterInWidth:
            return e2e::PostKey(dialog.width, VK_RETURN);
        case Trigger::EnterInHeight:
            return e2e::PostKey(dialog.height, VK_RETURN);
        case Trigger::EnterInDiagonal:
            return e2e::PostKey(dialog.diagonal, VK_RETURN);
        case Trigger::CalculateButton:
            return e2e::PostClick(dialog.calculate);
    }
}

// Empties the boxes, then posts the typing and the trigger. The result box
// is emptied too: every calculation writes a non-empty text there, so text
// appearing in it means the posted trigger has been handled, and the typing
// posted before it as well.
bool Enter(const Dialog& dialog, const StressCase& c)
{
    const std::wstring setDiagonal = c.entry == Entry::Set ? c.diagonal : L"";
    if (!SetText(dialog.result, L"") || !SetText(dialog.width, L"") ||
        !SetText(dialog.height, L"") || !SetText(dialog.diagonal, setDiagonal))
        return false;
    e2e::PostTyping(dialog.width, c.width);
    e2e::PostTyping(dialog.height, c.height);
    if (c.entry == Entry::Typed) e2e::PostTyping(dialog.diagonal, c.diagonal);
    PostTrigger(dialog, c.trigger);
    return true;
}

// Polls without sleeping at first: a calculation is handled within a
// fraction of a millisecond, and a sleep costs a whole one under Wine.
bool AwaitResult(const Dialog& dialog)
{
    constexpr int kSpins = 50;
    const ULONGLONG deadline = GetTickCount64() + e2e::kReplyTimeoutMs;
    for (int poll = 0; GetTickCount64() < deadline; ++poll) {
        DWORD_PTR length = 0;
        if (!Ask(dialog.result, WM_GETTEXTLENGTH, 0, 0, &length)) return false;
        if (length > 0) return true;
        Sleep(poll < kSpins ? 0 : 1);
    }
    return false;
}

std::string TextOfItem(HWND dialog, int id, int bufferSize)
{
    char buffer[kShownBufferSize] = "";
    GetDlgItemTextA(dialog, id, buffer, bufferSize);
    return buffer;
}

std::string Utf8Of(const std::wstring& text)
{
    char buffer[64] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

std::string DiagonalRead(HWND dialog)
{
    wchar_t buffer[kDiagonalBufferSize] = L"";
    GetDlgItemTextW(dialog, e2e::kIdDiagonal, buffer, kDiagonalBufferSize);
    return Utf8Of(buffer);
}

void Observe(const Dialog& dialog, Observation* seen)
{
    seen->width = GetDlgItemInt(dialog.window, e2e::kIdWidth, nullptr, FALSE);
    seen->height = GetDlgItemInt(dialog.window, e2e::kIdHeight, nullptr, FALSE);
    seen->diagonal = DiagonalRead(dialog.window);
    seen->shown = TextOfItem(dialog.window, e2e::kIdResult, kShownBufferSize);
}

// A typed box keeps the first four characters typed and refuses the rest.
bool HoldsTyped(HWND box, const std::wstring& typed, const char* name, std::string* failure)
{
    std::wstring held;
    if (!ReadText(box, &held)) {
        *failure = "the program stopped answering";
        return false;
    }
    if (held == typed.substr(0, kInputLimit)) return true;
    *failure = std::string("the ") + name + " box holds \"" + Utf8Of(held) + "\" after \"" +
               Utf8Of(typed) + "\" was typed";
    return false;
}

}  // namespace

Dialog DialogOf(HWND window)
{
    return Dialog{window,
                  GetDlgItem(window, e2e::kIdWidth),
                  GetDlgItem(window, e2e::kIdHeight),
                  GetDlgItem(window, e2e::kIdDiagonal),
                  GetDlgItem(window, e2e::kIdResult),
                  GetDlgItem(window, e2e::kIdCalculate)};
}

bool RunCase(const Dialog& dialog, const StressCase& c, Observation* seen, std::string* failure)
{
    if (!Enter(dialog, c) || !AwaitResult(dialog)) {
        *failure = "the program stopped answering";
        return false;
    }
    if (!HoldsTyped(dialog.width, c.width, "width", failure) ||
        !HoldsTyped(dialog.height, c.height, "height", failure))
        return false;
    if (c.entry == Entry::Typed && !HoldsTyped(dialog.diagonal, c.diagonal, "diagonal", failure))
        return false;
    Observe(dialog, seen);
    return true;
}

}  // namespace stress
