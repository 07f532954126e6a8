// Quorvel on a Linux desktop: the calculator window and Qt's event loop,
// which ends when the window is closed. The exit code is always 0, as the
// Windows program's is; Qt's own options and variables keep working.
#include <QApplication>

#include "app/qt/calculator_window.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto window = CreateCalculatorWindow();
    window->show();
    QApplication::exec();
    return 0;
}
