#include "message_box_view.h"

#include <string>
#include <vector>

#include "control_io.h"
#include "screen_pixels.h"
#include "timing.h"

namespace e2e {
namespace {

// The message text control of a MessageBox, on Windows and in Wine alike.
constexpr int kIdMessageText = 0xFFFF;

std::vector<HWND> IconControlsOf(HWND box)
{
    std::vector<HWND> icons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t windowClass[16] = L"";
        GetClassNameW(child, windowClass, 16);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (lstrcmpiW(windowClass, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
            icons.push_back(child);
    }
    return icons;
}

HWND ShownIconControl(HWND box)
{
    for (HWND icon : IconControlsOf(box))
        if (IsWindowVisible(icon) && SendMessageW(icon, STM_GETICON, 0, 0)) return icon;
    return nullptr;
}

// A memory DC with the font message boxes are set in.
struct MessageFontDc {
    HDC dc;
    HFONT font;
    HGDIOBJ previous;
};

MessageFontDc OpenMessageFontDc()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    MessageFontDc open{CreateCompatibleDC(nullptr), CreateFontIndirectW(&metrics.lfMessageFont),
                       nullptr};
    open.previous = SelectObject(open.dc, open.font);
    return open;
}

void Close(MessageFontDc& open)
{
    SelectObject(open.dc, open.previous);
    DeleteDC(open.dc);
    DeleteObject(open.font);
}

// The height `text` takes when wrapped at `width` the way message boxes wrap.
int WrappedHeight(HDC dc, const std::wstring& text, int width)
{
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    return r.bottom - r.top;
}

// The height of one row: a line too short to wrap.
int RowHeight(HDC dc)
{
    return WrappedHeight(dc, L"X", 1000);
}

RECT TextControlArea(HWND box)
{
    RECT r{};
    GetClientRect(GetDlgItem(box, kIdMessageText), &r);
    return r;
}

}  // namespace

std::wstring BoxText(HWND box)
{
    return ReadText(GetDlgItem(box, kIdMessageText));
}

int RowsShown(HWND box)
{
    MessageFontDc open = OpenMessageFontDc();
    const int row = RowHeight(open.dc);
    Close(open);
    const RECT area = TextControlArea(box);
    return row > 0 ? (area.bottom - area.top) / row : 0;
}

int RowsWhenBrokenAt(HWND box, const std::vector<std::wstring>& lines)
{
    const RECT area = TextControlArea(box);
    MessageFontDc open = OpenMessageFontDc();
    const int row = RowHeight(open.dc);
    int rows = 0;
    for (const std::wstring& line : lines)
        rows += row > 0 ? WrappedHeight(open.dc, line.empty() ? L" " : line, area.right) / row : 0;
    Close(open);
    return rows;
}

bool ShowsIcon(HWND box)
{
    return ShownIconControl(box) != nullptr;
}

LPCWSTR StockIconShown(HWND box)
{
    static const LPCWSTR kStockIcons[] = {IDI_INFORMATION, IDI_WARNING, IDI_ERROR, IDI_QUESTION,
                                          IDI_APPLICATION};
    HWND icon = ShownIconControl(box);
    LPCWSTR match = nullptr;
    if (!icon) return match;
    PollUntil(kReplyTimeoutMs, [&] {
        const Pixels shown = CaptureWindowArea(icon);
        for (LPCWSTR id : kStockIcons)
            if (!shown.empty() && shown == DrawStockIconLike(id, icon, shown.front())) match = id;
        return match != nullptr;
    });
    return match;
}

bool DismissBox(HWND box)
{
    PostClick(GetDlgItem(box, IDOK));
    return PollUntil(kReplyTimeoutMs, [&] { return !IsWindow(box); });
}

}  // namespace e2e
