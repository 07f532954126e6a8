// The edit boxes' white brush must not pile up: thousands of repaints later
// the program holds as many brushes as before.
#include <cstdio>

#include "dialog_facts.h"
#include "dialog_fixture.h"
#include "gdi_census.h"

namespace e2e {
namespace {

using BrushTest = DialogTest;

constexpr int kEdits[] = {kIdWidth, kIdHeight, kIdDiagonal, kIdResult};
constexpr int kEditRepaints = 600;   // per box: every one asks the dialog for a brush
constexpr int kDialogRepaints = 50;  // the whole dialog, statics and buttons too

// Repaints synchronously: UpdateWindow and RDW_UPDATENOW send WM_PAINT to the
// other process and return once it has been handled.
void RepaintEdits(HWND dialog, int times)
{
    for (int i = 0; i < times; ++i) {
        for (int id : kEdits) {
            HWND edit = GetDlgItem(dialog, id);
            InvalidateRect(edit, nullptr, TRUE);
            UpdateWindow(edit);
        }
    }
}

void RepaintDialog(HWND dialog, int times)
{
    for (int i = 0; i < times; ++i)
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TEST_F(BrushTest, RepaintingDoesNotAccumulateBrushes)
{
    // Whatever the first paints create once is part of the baseline.
    RepaintDialog(dialog_, 2);
    const int before = CountBrushes(process_.hProcess);
    ASSERT_GT(before, 0) << "the program's GDI handle table could not be read";

    RepaintEdits(dialog_, kEditRepaints);
    RepaintDialog(dialog_, kDialogRepaints);

    const int after = CountBrushes(process_.hProcess);
    std::printf("brushes before %d, after %d edit and %d dialog repaints: %d\n", before,
                kEditRepaints * static_cast<int>(std::size(kEdits)), kDialogRepaints, after);
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace e2e
