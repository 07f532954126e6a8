// The width and height boxes read as the Windows program reads them through
// GetDlgItemInt (unsigned), for a front-end that has no dialog manager.
// Free of any window system, so the same function can be held against the
// real GetDlgItemInt under Wine (tests/int_reading).
#pragma once

#include <cstdint>

// The value of a NUL-terminated 8-bit text as GetDlgItemInt(unsigned) gives
// it: white space skipped, an optional sign, decimal digits up to the first
// other character. A minus sign wraps the value around 2^32. A text without
// digits gives 0, and so does a value past 32 bits, unless a minus sign
// turns it into 1.
std::uint32_t ReadUnsignedText(const char* text);
