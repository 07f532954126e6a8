// The start-up baseline of the Linux program: the same kind of window on the
// same Qt, with its caption and size but no controls, no font of its own and
// no calculation.
#include <QApplication>
#include <QWidget>

#include "bench/qt/window_flags.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window(nullptr, kDialogWindowFlags);
    window.setWindowTitle(QStringLiteral("Quorvel"));
    window.setFixedSize(384, 147);
    window.show();
    QApplication::exec();
    return 0;
}
