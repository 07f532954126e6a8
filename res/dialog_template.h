// The calculator dialog's template, written once. The resource script builds
// IDD_MAIN from it, and app/dialog_description.h turns it into the constant
// tables that the Linux window, the page's generator and module, and the
// tests read. Plain preprocessor only, so that windres can include it too.
// Texts are UTF-8.
#pragma once

#include "maker.h"
#include "resource.h"

// Position and size in dialog units. DS_CENTER centres the dialog on its
// screen, so the position does not show.
#define QUORVEL_DIALOG_X 63
#define QUORVEL_DIALOG_Y 12
#define QUORVEL_DIALOG_CX 192
#define QUORVEL_DIALOG_CY 84

// WS_VISIBLE, WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, DS_CENTER, DS_SETFONT:
// fixed size, centred, minimisable; no maximise box and no sizing border.
#define QUORVEL_DIALOG_STYLE 0x10CA0840
#define QUORVEL_DIALOG_CAPTION "Quorvel"

// The dialog font: Fixedsys, 9 points, regular, GB2312_CHARSET.
#define QUORVEL_DIALOG_FONT_FACE "Fixedsys"
#define QUORVEL_DIALOG_FONT_POINTS 9
#define QUORVEL_DIALOG_FONT_WEIGHT 400
#define QUORVEL_DIALOG_FONT_ITALIC 0
#define QUORVEL_DIALOG_FONT_CHARSET 134

// Controls name their class by the predefined atom, as the dialog manager
// expects it; windres would store a class name as a string.
#define QUORVEL_CLASS_BUTTON 0x0080
#define QUORVEL_CLASS_EDIT 0x0081
#define QUORVEL_CLASS_STATIC 0x0082

// WS_CHILD, WS_VISIBLE, WS_TABSTOP, ES_CENTER; neither ES_NUMBER nor
// ES_AUTOHSCROLL, so any character may be typed and nothing scrolls.
#define QUORVEL_STYLE_EDIT 0x50010001
// WS_CHILD, WS_VISIBLE: left-aligned text.
#define QUORVEL_STYLE_LABEL 0x50000000
// WS_CHILD, WS_VISIBLE, WS_TABSTOP, BS_DEFPUSHBUTTON.
#define QUORVEL_STYLE_DEFAULT_BUTTON 0x50010001
// WS_CHILD, WS_VISIBLE, WS_TABSTOP, BS_PUSHBUTTON.
#define QUORVEL_STYLE_BUTTON 0x50010000
// WS_CHILD, WS_VISIBLE, SS_CENTER, SS_NOTIFY, SS_CENTERIMAGE: reports clicks.
#define QUORVEL_STYLE_CONTACT 0x50000301
#define QUORVEL_EXSTYLE_NONE 0x00000000
#define QUORVEL_EXSTYLE_CLIENTEDGE 0x00000200

// The controls in template order, which is also the tab order:
// X(id, class atom, text, x, y, cx, cy, style, extended style).
#define QUORVEL_DIALOG_CONTROLS(X)                                                                 \
    X(IDC_WIDTH, QUORVEL_CLASS_EDIT, "1920", 63, 12, 45, 12, QUORVEL_STYLE_EDIT,                   \
      QUORVEL_EXSTYLE_CLIENTEDGE)                                                                  \
    X(IDC_HEIGHT, QUORVEL_CLASS_EDIT, "1080", 132, 12, 45, 12, QUORVEL_STYLE_EDIT,                 \
      QUORVEL_EXSTYLE_CLIENTEDGE)                                                                  \
    X(IDC_DIAGONAL, QUORVEL_CLASS_EDIT, "21.5", 63, 33, 45, 12, QUORVEL_STYLE_EDIT,                \
      QUORVEL_EXSTYLE_CLIENTEDGE)                                                                  \
    X(IDC_LABEL_SIZE, QUORVEL_CLASS_STATIC, "屏幕尺寸", 15, 35, 33, 10, QUORVEL_STYLE_LABEL,       \
      QUORVEL_EXSTYLE_NONE)                                                                        \
    X(IDC_LABEL_PPI, QUORVEL_CLASS_STATIC, "PPI", 15, 56, 13, 8, QUORVEL_STYLE_LABEL,              \
      QUORVEL_EXSTYLE_NONE)                                                                        \
    X(IDC_CALCULATE, QUORVEL_CLASS_BUTTON, "计算", 132, 31, 45, 15,                                \
      QUORVEL_STYLE_DEFAULT_BUTTON, QUORVEL_EXSTYLE_NONE)                                          \
    X(IDC_RESULT, QUORVEL_CLASS_EDIT, "", 63, 54, 45, 12, QUORVEL_STYLE_EDIT,                      \
      QUORVEL_EXSTYLE_CLIENTEDGE)                                                                  \
    X(IDC_ABOUT, QUORVEL_CLASS_BUTTON, "关于", 132, 52, 45, 15, QUORVEL_STYLE_BUTTON,              \
      QUORVEL_EXSTYLE_NONE)                                                                        \
    X(IDC_TIMES, QUORVEL_CLASS_STATIC, "×", 117, 14, 9, 8, QUORVEL_STYLE_LABEL,                    \
      QUORVEL_EXSTYLE_NONE)                                                                        \
    X(IDC_LABEL_RESOLUTION, QUORVEL_CLASS_STATIC, "屏幕分辨率", 15, 14, 42, 8,                     \
      QUORVEL_STYLE_LABEL, QUORVEL_EXSTYLE_NONE)                                                   \
    X(IDC_CONTACT, QUORVEL_CLASS_STATIC, QUORVEL_MAKER_EMAIL, 3, 75, 186, 7,                       \
      QUORVEL_STYLE_CONTACT, QUORVEL_EXSTYLE_NONE)
