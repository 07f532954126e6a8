// Calls a ReadDecimal-shaped function with a chosen caller floating-point
// state and captures the state it leaves. The state is loaded with FRSTOR and
// saved with FNSAVE in assembly right around the call, so nothing compiled
// sits between them; the test's own state is put back afterwards.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/extended.h"

using FpuImage = std::array<std::uint8_t, 108>;
using ReadDecimalFunction = std::uint32_t (*)(const char*, Extended*, std::uint32_t);

// Offsets in the 32-bit protected-mode FNSAVE image.
constexpr std::size_t kFpuControlWord = 0;
constexpr std::size_t kFpuStatusWord = 4;
constexpr std::size_t kFpuTagWord = 8;
constexpr std::size_t kFpuRegisters = 28;

struct FpuCallResult {
    std::uint32_t status;
    FpuImage after;
};

FpuCallResult CallWithFpuState(ReadDecimalFunction function, const FpuImage& before,
                               const char* text, Extended* destination, std::uint32_t mode);

std::uint16_t FpuWord(const FpuImage& image, std::size_t offset);
void SetFpuWord(FpuImage* image, std::size_t offset, std::uint16_t value);
Extended FpuRegister(const FpuImage& image, int index);  // ST(index)
void SetFpuRegister(FpuImage* image, int index, const Extended& value);
int FpuTop(const FpuImage& image);
