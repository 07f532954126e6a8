#include "tests/reference/host_x87.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "tests/reference/two_to_x_minus_one.h"

namespace reference {

bool HaveHostX87()
{
    return LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && HaveUnit();
}

Extended HostImage(long double x)
{
    Extended image;
    std::memcpy(image.bytes, &x, sizeof image.bytes);
    return image;
}

long double HostValue(const Extended& image)
{
    long double x = 0;
    std::memcpy(&x, image.bytes, sizeof image.bytes);
    return x;
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
