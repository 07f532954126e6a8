// The golden tables' entry points into the core, for the Node test: a text
// buffer, the reader's 10 bytes and the density. Linked into a module of its
// own so that the page's module exports no more than the page calls.
#include <cstdint>

#include "core/decimal_reader.h"
#include "core/density.h"

#define QUORVEL_EXPORT(name) __attribute__((export_name(#name)))

namespace {

// Longer than any text of the tables; the test checks it against each one.
constexpr int kTextCapacity = 4096;

char text[kTextCapacity];
Extended value;
DensityResult density;

}  // namespace

extern "C" {

QUORVEL_EXPORT(TextBuffer) char* TextBuffer()
{
    return text;
}

QUORVEL_EXPORT(TextCapacity) int TextCapacity()
{
    return kTextCapacity;
}

// ReadDecimal in store mode on the NUL-terminated text; the 10 bytes it
// stored are at ReadValue(), untouched on failure.
QUORVEL_EXPORT(Read) int Read()
{
    value = Extended{};
    return ReadDecimal(text, &value, kReadDecimalStore) != 0;
}

QUORVEL_EXPORT(ReadValue) const std::uint8_t* ReadValue()
{
    return value.bytes;
}

// CalculateDensity on the text as the diagonal: 1 and the density at
// Density(), or 0 for the input error.
QUORVEL_EXPORT(CalculateDensity)
int CalculateDensityOfText(std::uint32_t width, std::uint32_t height)
{
    density = CalculateDensity(width, height, text);
    return density.kind == DensityKind::Density;
}

QUORVEL_EXPORT(Density) std::int32_t Density()
{
    return density.density;
}

}  // extern "C"
