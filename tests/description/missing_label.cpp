// Must not compile: a lookup of a label by the id of a control that is no
// label (tests/description/CMakeLists.txt).
#include "app/dialog_description.h"

constexpr const ControlDescription& kMissing = LabelOf(IDC_WIDTH);
