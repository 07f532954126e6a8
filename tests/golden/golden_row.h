// One row of the golden tables, as text: the input with its awkward bytes
// escaped, and the outcome as the 10 bytes of the value or the failure. The
// generator writes rows with these, the test compares the library's rows.
#pragma once

#include <string>
#include <vector>

#include "core/density.h"
#include "core/extended.h"

namespace golden {

// Tab, backslash and bytes outside 0x20..0x7E become \t, \\ and \xHH.
std::string EscapeText(const std::string& text);
std::string UnescapeText(const std::string& escaped);

// The 10 bytes, lowest address first, as 20 hex digits; or "failure".
std::string ReadingOutcome(bool accepted, const Extended& value);
// The density in decimal, or "input-error".
std::string DensityOutcome(const DensityResult& result);

// A row's fields between tabs.
std::vector<std::string> SplitRow(const std::string& row);

}  // namespace golden
