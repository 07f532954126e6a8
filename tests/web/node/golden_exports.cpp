// The golden tables' entry points into the core, for the Node test: a text
// buffer, the reader's 10 bytes, the density and the details as
// quorvel-cli --json writes them. Linked into a module of its
// own so that the page's module exports no more than the page calls.
#include <cstdint>

#include "app/details_text.h"
#include "core/decimal_reader.h"
#include "core/density.h"
#include "core/display_details.h"

#define QUORVEL_EXPORT(name) __attribute__((export_name(#name)))

namespace {

// Longer than any text of the tables; the test checks it against each one.
constexpr int kTextCapacity = 4096;

char text[kTextCapacity];
Extended value;
DensityResult density;
char details[kDetailsTextCapacity];

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

// ReadDecimal in store mode on the NUL-terminated text: the 10 bytes it
// stored, or null on failure.
QUORVEL_EXPORT(Read) const std::uint8_t* Read()
{
    value = Extended{};
    return ReadDecimal(text, &value, kReadDecimalStore) ? value.bytes : nullptr;
}

// CalculateDensity on the text as the diagonal: the density, or null for
// the input error.
QUORVEL_EXPORT(CalculateDensity)
const std::int32_t* CalculateDensityOfText(std::uint32_t width, std::uint32_t height)
{
    density = CalculateDensity(width, height, text);
    return density.kind == DensityKind::Density ? &density.density : nullptr;
}

QUORVEL_EXPORT(DetailsBuffer) const char* DetailsBuffer()
{
    return details;
}

// CalculateDetails on the text as the diagonal, written into DetailsBuffer
// as quorvel-cli --json writes it: the length written.
QUORVEL_EXPORT(Details) int Details(std::uint32_t width, std::uint32_t height)
{
    return WriteDetailsJson(CalculateDetails(width, height, text), details);
}

}  // extern "C"
