// Must not compile: a lookup of a constant id the dialog description does not
// have (tests/description/CMakeLists.txt).
#include "app/dialog_description.h"

constexpr const ControlDescription& kMissing = ControlOf(IDC_DIAGONAL + 1000);
