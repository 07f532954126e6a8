#include "control_io.h"

#include "timing.h"

namespace e2e {

std::wstring ReadText(HWND control)
{
    wchar_t text[512] = L"";
    // Wine copies the text across the process boundary; the count is in
    // characters, the terminating NUL included.
    SendMessageW(control, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text));
    return text;
}

void SetText(HWND control, const std::wstring& text)
{
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PostTyping(HWND control, const std::wstring& text)
{
    for (wchar_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

void PostKey(HWND control, WPARAM virtualKey)
{
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    // Repeat count 1 and the scan code; a release also has the previous-state
    // and transition bits set.
    const DWORD down = 1u | scan << 16;
    const DWORD up = down | 0xC0000000u;
    PostMessageW(control, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(down));
    PostMessageW(control, WM_KEYUP, virtualKey, static_cast<LPARAM>(up));
}

void PostClick(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PostCommand(HWND dialog, int id, WORD notification)
{
    const HWND control = GetDlgItem(dialog, id);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, notification),
                 reinterpret_cast<LPARAM>(control));
}

bool WaitUntilPostedHandled(HWND marker)
{
    // A thread handles its posted messages in order, so a marker posted last
    // is handled last. The marker is the edit's "modified" flag, which the
    // program never looks at. (A sent message would not do: sent messages
    // overtake posted ones.)
    SendMessageW(marker, EM_SETMODIFY, FALSE, 0);
    PostMessageW(marker, EM_SETMODIFY, TRUE, 0);
    return PollUntil(kReplyTimeoutMs,
                     [&] { return SendMessageW(marker, EM_GETMODIFY, 0, 0) != 0; });
}

}  // namespace e2e
