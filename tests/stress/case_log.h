// Writing the stress log (format in log_format.h).
#pragma once

#include <cstdio>

#include "dialog_driver.h"
#include "stress_case.h"

namespace stress {

// Opens the log at a host path for writing, with its header line; null if it
// cannot be created.
std::FILE* OpenLog(const char* hostPath);

void WriteCase(std::FILE* log, int index, const StressCase& c, const Observation& seen);

}  // namespace stress
