// The pixels of a Chinese label as the screen shows them. Where no font on
// the system has the characters, each is drawn as the same missing-glyph box.
// The test draws the label's text in the dialog's font as the dialog manager
// makes it, checks that two different characters draw differently (so the
// drawing is of glyphs, not of boxes), and holds the screen against it.
#include <string>

#include "app/dialog_description.h"
#include "dialog_facts.h"
#include "dialog_fixture.h"
#include "screen_pixels.h"

namespace e2e {
namespace {

using LabelPixelsTest = DialogTest;

// The template's font, made as the dialog manager makes it from the
// template's point size on this screen.
HFONT CreateDialogFont()
{
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(kDialog.font.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    wchar_t face[LF_FACESIZE] = L"";
    MultiByteToWideChar(CP_UTF8, 0, kDialog.font.face, -1, face, LF_FACESIZE);
    return CreateFontW(height, 0, 0, 0, kDialog.font.weight, kDialog.font.italic, FALSE, FALSE,
                       static_cast<DWORD>(kDialog.font.charset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

// Which pixels differ from the top-left one, the background of a label.
std::vector<bool> InkOf(const Pixels& pixels)
{
    std::vector<bool> ink;
    for (uint32_t pixel : pixels) ink.push_back(pixel != pixels.front());
    return ink;
}

size_t CountInk(const std::vector<bool>& ink)
{
    size_t count = 0;
    for (bool dot : ink) count += dot;
    return count;
}

TEST_F(LabelPixelsTest, ResolutionLabelShowsItsGlyphsNotMissingGlyphBoxes)
{
    const HWND label = Control(kIdLabelResolution);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::vector<bool> shown = InkOf(CaptureWindowArea(label));
    ASSERT_GT(CountInk(shown), 0u) << "the label is blank";

    wchar_t text[16] = L"";
    for (const ControlDescription& control : kDialogControls) {
        if (control.id == kIdLabelResolution)
            MultiByteToWideChar(CP_UTF8, 0, control.text, -1, text, 16);
    }
    ASSERT_NE(text[0], L'\0');
    const HFONT font = CreateDialogFont();
    const std::vector<bool> drawn = InkOf(DrawTextLike(text, font, label));
    const std::wstring first(1, text[0]), second(1, text[1]);
    const bool glyphsDiffer = InkOf(DrawTextLike(first.c_str(), font, label)) !=
                              InkOf(DrawTextLike(second.c_str(), font, label));
    DeleteObject(font);

    ASSERT_TRUE(glyphsDiffer) << "this system draws no Chinese glyphs in the dialog's font";
    EXPECT_TRUE(shown == drawn) << "the label is not its text in the dialog's font; inked pixels: "
                                << CountInk(shown) << " shown, " << CountInk(drawn) << " drawn";
}

}  // namespace
}  // namespace e2e
