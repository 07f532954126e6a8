#include "app/details_text.h"

#include <cstdint>

#include "core/extended_ops.h"

namespace {

// The value column starts this many columns in: past the longest label.
constexpr int kLabelColumns = 14;

struct Text {
    char* bytes;
    int length;
};

void Put(Text& text, const char* s)
{
    while (*s != '\0') text.bytes[text.length++] = *s++;
}

void PutUnsigned(Text& text, std::uint64_t value)
{
    text.length += WriteUnsigned(value, text.bytes + text.length);
}

// False, and nothing written, for a value with no digits.
bool PutDecimal(Text& text, const Extended& value, int decimals)
{
    const int length = WriteDecimal(value, decimals, text.bytes + text.length);
    text.length += length;
    return length != 0;
}

bool Present(const DisplayDetails& details, const DetailRow& row)
{
    if (row.kind == DetailKind::AspectRatio) return details.aspectWidth != 0;
    if (row.kind != DetailKind::Quantity) return true;
    const std::uint16_t exponent = SignAndExponentOf(details.*row.quantity) & kExtendedMaxExponent;
    return exponent != kExtendedMaxExponent;
}

// The value of a row other than the scales, as JSON writes it (a text in
// quotation marks) or a person reads it.
void PutValue(Text& text, const DisplayDetails& details, const DetailRow& row, bool json)
{
    switch (row.kind) {
        case DetailKind::Density:
            PutDecimal(text, ext::LoadInt32(details.density.density), 0);
            break;
        case DetailKind::Quantity:
            PutDecimal(text, details.*row.quantity, row.decimals);
            break;
        case DetailKind::AspectRatio:
            if (json) Put(text, "\"");
            PutUnsigned(text, details.aspectWidth);
            Put(text, ":");
            PutUnsigned(text, details.aspectHeight);
            if (json) Put(text, "\"");
            break;
        case DetailKind::Pixels:
            PutUnsigned(text, details.pixels);
            break;
        case DetailKind::Megapixels:
            text.length += WriteMillionths(details.pixels, row.decimals, text.bytes + text.length);
            break;
        case DetailKind::Scales:
            break;
    }
}

void PutJsonScales(Text& text, const DisplayDetails& details, const DetailRow& row)
{
    Put(text, "[");
    for (int i = 0; i < kScaleCount; ++i) {
        const ScaleDetails& scale = details.scales[i];
        Put(text, i == 0 ? "{\"percent\": " : ", {\"percent\": ");
        PutUnsigned(text, scale.percent);
        Put(text, ", \"width\": ");
        PutUnsigned(text, scale.width);
        Put(text, ", \"height\": ");
        PutUnsigned(text, scale.height);
        Put(text, ", \"ppi\": ");
        PutDecimal(text, scale.ppi, row.decimals);
        Put(text, "}");
    }
    Put(text, "]");
}

// Columns a terminal gives the UTF-8 text: two for each character outside
// ASCII (the labels' are all CJK).
int ColumnsOf(const char* s)
{
    int columns = 0;
    for (; *s != '\0'; ++s) {
        const auto byte = static_cast<unsigned char>(*s);
        if (byte < 0x80) columns += 1;
        if (byte >= 0xC0) columns += 2;
    }
    return columns;
}

void PutLabel(Text& text, const char* label)
{
    Put(text, label);
    for (int column = ColumnsOf(label); column < kLabelColumns; ++column) Put(text, " ");
}

// "缩放 150%     1280 × 720, 68.31 PPI", one row per scale.
void PutRowScales(Text& text, const DisplayDetails& details, const DetailRow& row)
{
    for (const ScaleDetails& scale : details.scales) {
        char label[32];
        Text labelText{label, 0};
        Put(labelText, row.label);
        Put(labelText, " ");
        PutUnsigned(labelText, scale.percent);
        Put(labelText, "%");
        label[labelText.length] = '\0';
        PutLabel(text, label);
        PutUnsigned(text, scale.width);
        Put(text, " × ");
        PutUnsigned(text, scale.height);
        Put(text, ", ");
        PutDecimal(text, scale.ppi, row.decimals);
        Put(text, " ");
        Put(text, row.unit);
        Put(text, "\n");
    }
}

}  // namespace

int WriteDetailsJson(const DisplayDetails& details, char* bytes)
{
    Text text{bytes, 0};
    if (details.density.kind != DensityKind::Density) {
        Put(text, "{\"error\": \"" QUORVEL_INPUT_ERROR_TEXT "\"}");
        return text.length;
    }
    Put(text, "{");
    for (const DetailRow& row : kDetailRows) {
        if (!Present(details, row)) continue;
        Put(text, text.length == 1 ? "\"" : ", \"");
        Put(text, row.key);
        Put(text, "\": ");
        if (row.kind == DetailKind::Scales)
            PutJsonScales(text, details, row);
        else
            PutValue(text, details, row, true);
    }
    Put(text, "}");
    return text.length;
}

int WriteDetailsRows(const DisplayDetails& details, char* bytes)
{
    Text text{bytes, 0};
    if (details.density.kind != DensityKind::Density) {
        Put(text, QUORVEL_INPUT_ERROR_TEXT "\n");
        return text.length;
    }
    for (const DetailRow& row : kDetailRows) {
        if (!Present(details, row)) continue;
        if (row.kind == DetailKind::Scales) {
            PutRowScales(text, details, row);
            continue;
        }
        PutLabel(text, row.label);
        PutValue(text, details, row, false);
        if (row.unit[0] != '\0') Put(text, " ");
        Put(text, row.unit);
        Put(text, "\n");
    }
    return text.length;
}
