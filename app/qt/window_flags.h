// The title bar of the Linux program's window, which its start-up floors
// share with it: caption, system menu, minimise and close buttons only.
#pragma once

#include <Qt>

inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
