// Written in UTF-8; the build compiles this file with code page 936 as the
// execution character set, so every literal below is stored as GBK bytes.
#include "app/texts.h"

#include "res/maker.h"

const char kAboutCaption[] = "关于";

const char kAboutText[] =
    "Quorvel 1.0\r"
    "\r"
    "PPI=Pixels Per Inch。指每英寸所拥有的像素(Pixel)数目。\r"
    "PPI数值越高，代表显示屏能够以越高的密度显示图像。如：\r"
    "iPhone 5S：326\r"
    "HTC One：469\r"
    "iPad mini2：324";

const char kContactCaption[] = "你好";

const char kContactNotice[] =
    "对外承接：\r"
    "\r"
    "① 电脑软件和苹果安卓系统手机软件的开发。\r"
    "② AVR单片机软硬件的开发。\r"
    "③ PLC,HMI工业控制系统的软硬件设计。\r"
    "\r"
    "联系：\r" QUORVEL_MAKER_IM_NUMBER "(" QUORVEL_MAKER_NAME ")";

const char kInputErrorText[] = "输入错误";
