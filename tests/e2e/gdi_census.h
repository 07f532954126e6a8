// Counting another process's GDI brushes, to see whether they accumulate.
#pragma once

#include <windows.h>

namespace e2e {

// The number of live brushes in the process's GDI handle table, stock brushes
// included; -1 if the table cannot be read.
int CountBrushes(HANDLE process);

}  // namespace e2e
