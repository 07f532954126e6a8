#include "tests/reference/host_x87.h"

#include <cmath>
#include <cstdlib>

#include "tests/reference/two_to_x_minus_one.h"
#include "tests/support/host_unit.h"

namespace reference {

bool HaveHostX87()
{
    return unit::kLongDoubleIsExtended;
}

Extended HostImage(long double x)
{
    return unit::ImageOfLongDouble(x);
}

long double HostValue(const Extended& image)
{
    return unit::LongDoubleOf(image);
}

long double HostPowerOfTen(std::int32_t x)
{
    if (!HaveHostX87()) std::abort();
    const long double log2Ten = HostValue(UnitLog2Ten());
    const long double t = static_cast<long double>(x) * log2Ten;
    const long double n = std::nearbyint(t);  // the default mode: nearest, ties to even
    const long double f = t - n;
    const long double r = HostValue(UnitF2xm1(HostImage(f))) + 1.0L;
    return std::scalbn(r, static_cast<int>(n));
}

long double HostReadDecimal(const DecimalScan& scan)
{
    const long double sign = scan.negative ? -1.0L : 1.0L;
    long double value =
        scan.integerDigits > 0 ? sign * static_cast<long double>(scan.integer) : 0.0L;
    if (scan.fraction != 0)
        value += sign * static_cast<long double>(scan.fraction) * HostPowerOfTen(-18);
    if (scan.hasExponent) value *= HostPowerOfTen(scan.exponent);
    return value;
}

}  // namespace reference
