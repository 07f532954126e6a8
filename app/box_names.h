// The name a screen reader announces for each box: the text of the label it
// stands beside; the two resolution boxes share theirs and say which they are.
// The Linux window and the web page name their boxes from this one table.
#pragma once

#include "res/resource.h"

struct BoxName {
    int box;
    int label;
    const char* detail;  // UTF-8, appended after a space, or nullptr
};

constexpr BoxName kBoxNames[] = {
    {IDC_WIDTH, IDC_LABEL_RESOLUTION, "宽"},
    {IDC_HEIGHT, IDC_LABEL_RESOLUTION, "高"},
    {IDC_DIAGONAL, IDC_LABEL_SIZE, nullptr},
    {IDC_RESULT, IDC_LABEL_PPI, nullptr},
};
