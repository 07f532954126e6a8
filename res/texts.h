// The texts the calculator shows besides its template: the About box, the
// contact notice and the input-error text. Written once, in UTF-8, for every
// front-end: the Windows program compiles them to UTF-16 (L"" prefix), the
// Linux program reads them as UTF-8, the page's generator writes them into
// the page and the calculate command into the result box. A line break is a
// single carriage return, as the Windows message box takes it, and no text
// ends with one.
#pragma once

#include "maker.h"
#include "version.h"

#define QUORVEL_ABOUT_CAPTION "关于"
#define QUORVEL_ABOUT_TEXT                                   \
    "Quorvel " QUORVEL_VERSION_SHORT "\r"                    \
    "\r"                                                     \
    "PPI=Pixels Per Inch。指每英寸所拥有的像素(Pixel)数目。\r" \
    "PPI数值越高，代表显示屏能够以越高的密度显示图像。如：\r" \
    "iPhone 5S：326\r"                                       \
    "HTC One：469\r"                                         \
    "iPad mini2：324"

#define QUORVEL_CONTACT_CAPTION "你好"
#define QUORVEL_CONTACT_NOTICE                     \
    "对外承接：\r"                                 \
    "\r"                                           \
    "① 电脑软件和苹果安卓系统手机软件的开发。\r"   \
    "② AVR单片机软硬件的开发。\r"                  \
    "③ PLC,HMI工业控制系统的软硬件设计。\r"        \
    "\r"                                           \
    "联系：\r" QUORVEL_MAKER_IM_NUMBER "(" QUORVEL_MAKER_NAME ")"

#define QUORVEL_INPUT_ERROR_TEXT "输入错误"

// The display's details (quorvel-cli --details): one label per row.
#define QUORVEL_DETAIL_PPI "像素密度"
#define QUORVEL_DETAIL_PPI_EXACT "精确像素密度"
#define QUORVEL_DETAIL_DOT_PITCH "点距"
#define QUORVEL_DETAIL_WIDTH "宽度"
#define QUORVEL_DETAIL_HEIGHT "高度"
#define QUORVEL_DETAIL_DIAGONAL "对角线"
#define QUORVEL_DETAIL_ASPECT_RATIO "宽高比"
#define QUORVEL_DETAIL_PIXELS "像素总数"
#define QUORVEL_DETAIL_MEGAPIXELS "百万像素"
#define QUORVEL_DETAIL_RETINA_DISTANCE "视网膜距离"
#define QUORVEL_DETAIL_SCALE "缩放"
