// Powers of ten from the unit's own log2(10): x * log2(10) = n + f with n the
// nearest integer, so 10^x = 2^f * 2^n, and 2^f comes from the accurate-near-
// zero 2^f - 1. The product x * log2(10) is rounded before the split, so the
// result carries that error: the powers are close, not correctly rounded.
#pragma once

#include <cstdint>

#include "core/core_namespace.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

// 10^x in the environment already in force (no save or reset of its own):
// the reader's step, inside its own environment.
Extended ComputePowerOfTen(std::int32_t x);

// 10^x in a fresh environment of its own; the caller's state is left as found.
Extended PowerOfTen(std::int32_t x);

}  // namespace QUORVEL_CORE_NAMESPACE
