// The start-up baseline of the Linux program: the same kind of window on the
// same Qt, with its caption and size but no controls, no font of its own and
// no calculation.
#include <QApplication>
#include <QWidget>

#include "app/dialog_units.h"
#include "app/qt/ui_text.h"
#include "app/qt/window_flags.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window(nullptr, kDialogWindowFlags);
    window.setWindowTitle(UiText(kDialog.caption));
    // The size the program's window has in the stand-in font.
    const PixelRect size = ToPixels(kDialog.rect, kStandInBaseUnits);
    window.setFixedSize(size.width, size.height);
    window.show();
    QApplication::exec();
    return 0;
}
