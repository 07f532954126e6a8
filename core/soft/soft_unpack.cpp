#include "core/soft/soft_internal.h"

namespace ext {
namespace soft {

Unpacked Unpack(const Extended& x)
{
    const std::uint64_t sig = SignificandOf(x);
    const int shift = CountLeadingZeros64(sig);
    return {SignOf(x), AlignedExponentOf(x) - shift, sig << shift};
}

}  // namespace soft
}  // namespace ext
