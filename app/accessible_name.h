// The name a screen reader announces for an edit box, by the one rule both
// front-ends without a dialog manager (the Linux window, the page) follow.
#pragma once

#include <string>

#include "app/dialog_description.h"

// UTF-8: the label's text, then a space and the detail where there is one.
inline std::string AccessibleNameOf(const BoxDescription& box)
{
    std::string name = LabelOf(box.label).text;
    if (box.detail) name += std::string(" ") + box.detail;
    return name;
}
