// NaN results as the x87 unit forms them with the invalid-operation
// exception masked. A signaling NaN has bit 62 clear, so comparing raw
// significands also makes a quiet NaN beat a signaling one.
#include "core/soft/soft_internal.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {
namespace soft {

Extended QuietNaN(const Extended& a)
{
    return Pack(SignOf(a), kMaxExponent, SignificandOf(a) | kQuietBit);
}

Extended PropagateNaN(const Extended& a, const Extended& b)
{
    if (Classify(b) != Class::kNaN) return QuietNaN(a);
    if (Classify(a) != Class::kNaN) return QuietNaN(b);
    const std::uint64_t sigA = SignificandOf(a);
    const std::uint64_t sigB = SignificandOf(b);
    if (sigA != sigB) return QuietNaN(sigA > sigB ? a : b);
    return QuietNaN(SignOf(a) ? b : a);
}

bool TakeInvalidOrNaN(const Extended& a, const Extended& b, Extended* result)
{
    const Class classA = Classify(a);
    const Class classB = Classify(b);
    if (classA == Class::kUnsupported || classB == Class::kUnsupported) {
        *result = kIndefinite;
        return true;
    }
    if (classA == Class::kNaN || classB == Class::kNaN) {
        *result = PropagateNaN(a, b);
        return true;
    }
    return false;
}

}  // namespace soft
}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
