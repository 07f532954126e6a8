// Quorvel on a Linux desktop: the calculator window and Qt's event loop,
// which ends when the window is closed. The exit code is always 0, as the
// Windows program's is; Qt's own options and variables keep working.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/qt/calculator_window.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto window = CreateCalculatorWindow();
    window->show();
    QApplication::exec();
    // The program keeps nothing to save or release, and Qt 6.4's Wayland
    // platform can hang in its teardown, its event thread waiting for a read
    // that the main thread, waiting for that thread, never finishes (about one
    // close in ten on weston): the process ends here, before Qt's teardown.
    std::fflush(nullptr);
    std::_Exit(0);
}
