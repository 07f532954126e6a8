#include "screen_pixels.h"

namespace e2e {
namespace {

SIZE SizeOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// A 32-bit top-down DIB section selected into a memory DC; one at a time.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    uint32_t* bits;
    SIZE size;
};

Canvas OpenCanvas(SIZE size)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    Canvas canvas{CreateCompatibleDC(nullptr), nullptr, nullptr, nullptr, size};
    void* bits = nullptr;
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    canvas.bits = static_cast<uint32_t*>(bits);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    return canvas;
}

Pixels CloseCanvas(Canvas& canvas)
{
    GdiFlush();
    Pixels pixels;
    if (canvas.bits) {
        const size_t count =
            static_cast<size_t>(canvas.size.cx) * static_cast<size_t>(canvas.size.cy);
        for (size_t i = 0; i < count; ++i) pixels.push_back(canvas.bits[i] & 0xFFFFFFu);
    }
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
    return pixels;
}

}  // namespace

Pixels CaptureWindowArea(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    Canvas canvas = OpenCanvas(SizeOf(window));
    // Under Wine the screen DC reads back what the X server shows.
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc, 0, 0, canvas.size.cx, canvas.size.cy, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return CloseCanvas(canvas);
}

Pixels DrawStockIconLike(LPCWSTR id, HWND window, uint32_t background)
{
    Canvas canvas = OpenCanvas(SizeOf(window));
    const size_t count = static_cast<size_t>(canvas.size.cx) * static_cast<size_t>(canvas.size.cy);
    for (size_t i = 0; i < count; ++i) canvas.bits[i] = background;
    DrawIconEx(canvas.dc, 0, 0, LoadIconW(nullptr, id), 0, 0, 0, nullptr, DI_NORMAL);
    return CloseCanvas(canvas);
}

Pixels DrawTextLike(const wchar_t* text, HFONT font, HWND window)
{
    Canvas canvas = OpenCanvas(SizeOf(window));
    const size_t count = static_cast<size_t>(canvas.size.cx) * static_cast<size_t>(canvas.size.cy);
    for (size_t i = 0; i < count; ++i) canvas.bits[i] = 0xFFFFFF;
    const HGDIOBJ previous = SelectObject(canvas.dc, font);
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, 0);
    RECT r{0, 0, canvas.size.cx, canvas.size.cy};
    DrawTextW(canvas.dc, text, -1, &r, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK);
    SelectObject(canvas.dc, previous);
    return CloseCanvas(canvas);
}

}  // namespace e2e
