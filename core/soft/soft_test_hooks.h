// Test-only switch for the software model's F2XM1. The model rounds 2^x - 1
// correctly, while the unit may miss the last bit; a test that compares whole
// calculations against the unit installs the unit's own F2XM1 here so that
// this one permitted difference drops out. Never set outside tests.
#pragma once

#include "core/core_namespace.h"
#include "core/extended.h"

inline namespace QUORVEL_CORE_NAMESPACE {

namespace ext {

using TwoToXMinusOneSource = Extended (*)(const Extended&);

// nullptr restores the correctly rounded F2XM1.
void SetTwoToXMinusOneSource(TwoToXMinusOneSource source);

}  // namespace ext

}  // namespace QUORVEL_CORE_NAMESPACE
