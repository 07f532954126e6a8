// The same steps run on this machine's own x87 through long double, to check
// the MPFR model's rounding (precision, exponent range, denormals) against
// real hardware. Only where long double is the unit's 80-bit format.
#pragma once

#include <cstdint>

#include "core/extended.h"
#include "tests/reference/model_scan.h"

namespace reference {

bool HaveHostX87();  // long double is the x87 extended format and F2XM1 runs

Extended HostImage(long double x);
long double HostValue(const Extended& image);

// 10^x by the power-of-ten method, with the unit's F2XM1.
long double HostPowerOfTen(std::int32_t x);
// The value of an accepted scan, with HostPowerOfTen.
long double HostReadDecimal(const DecimalScan& scan);

}  // namespace reference
