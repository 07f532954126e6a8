// The width and height boxes read as the Windows program reads them through
// GetDlgItemInt (unsigned), for a front-end that has no dialog manager.
// Free of any window system, so the same function can be held against the
// real GetDlgItemInt under Wine.
#pragma once

#include <cstdint>

// The value of a NUL-terminated 8-bit text as GetDlgItemInt(unsigned) gives
// it: white space skipped, an optional sign, decimal digits up to the first
// other character. A text without digits, a value past 32 bits, or one that
// comes to 0xFFFFFFFF gives 0; a minus sign wraps the value around 2^32.
std::uint32_t ReadUnsignedText(const char* text);
