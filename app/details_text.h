// The display's details (core/display_details.h) as text: one JSON object
// for programs, and aligned rows with Chinese labels for a person. Every
// number goes through the core's decimal writer, to nearest with ties to
// even, with the row's decimals. Plain character buffers and no library, so
// the same writer also runs inside the web module's golden test.
#pragma once

#include "core/decimal_writer.h"
#include "core/display_details.h"
#include "res/texts.h"

enum class DetailKind { Density, Quantity, AspectRatio, Pixels, Megapixels, Scales };

struct DetailRow {
    DetailKind kind;
    const char* key;                     // the JSON key
    const char* label;                   // UTF-8
    const char* unit;                    // after the number, for a person
    int decimals;                        // of a Quantity, the Megapixels and the Scales' density
    Extended DisplayDetails::*quantity;  // a Quantity's value
};

// In the order written. A Quantity whose value is an infinity or NaN, and an
// aspect ratio of 0 : 0, are left out.
constexpr DetailRow kDetailRows[] = {
    {DetailKind::Density, "ppi", QUORVEL_DETAIL_PPI, "PPI", 0, nullptr},
    {DetailKind::Quantity, "ppi_exact", QUORVEL_DETAIL_PPI_EXACT, "PPI", 2,
     &DisplayDetails::ppiExact},
    {DetailKind::Quantity, "dot_pitch_mm", QUORVEL_DETAIL_DOT_PITCH, "mm", 4,
     &DisplayDetails::dotPitchMm},
    {DetailKind::Quantity, "width_in", QUORVEL_DETAIL_WIDTH, "in", 2, &DisplayDetails::widthIn},
    {DetailKind::Quantity, "height_in", QUORVEL_DETAIL_HEIGHT, "in", 2, &DisplayDetails::heightIn},
    {DetailKind::Quantity, "width_cm", QUORVEL_DETAIL_WIDTH, "cm", 2, &DisplayDetails::widthCm},
    {DetailKind::Quantity, "height_cm", QUORVEL_DETAIL_HEIGHT, "cm", 2, &DisplayDetails::heightCm},
    {DetailKind::Quantity, "diagonal_cm", QUORVEL_DETAIL_DIAGONAL, "cm", 2,
     &DisplayDetails::diagonalCm},
    {DetailKind::AspectRatio, "aspect_ratio", QUORVEL_DETAIL_ASPECT_RATIO, "", 0, nullptr},
    {DetailKind::Pixels, "pixels", QUORVEL_DETAIL_PIXELS, "", 0, nullptr},
    {DetailKind::Megapixels, "megapixels", QUORVEL_DETAIL_MEGAPIXELS, "MP", 2, nullptr},
    {DetailKind::Quantity, "retina_distance_cm", QUORVEL_DETAIL_RETINA_DISTANCE, "cm", 1,
     &DisplayDetails::retinaDistanceCm},
    {DetailKind::Quantity, "retina_distance_in", QUORVEL_DETAIL_RETINA_DISTANCE, "in", 1,
     &DisplayDetails::retinaDistanceIn},
    {DetailKind::Scales, "scales", QUORVEL_DETAIL_SCALE, "PPI", 2, nullptr},
};

// Enough for every row at the longest number the writer can give.
constexpr int kDetailsTextCapacity = 16 * kDecimalTextCapacity;

// {"ppi": 102, "ppi_exact": 102.46, ..., "scales": [{"percent": 100, "width":
// 1920, "height": 1080, "ppi": 102.46}, ...]} on one line, or
// {"error": "输入错误"}; no newline, no NUL. Returns the length.
int WriteDetailsJson(const DisplayDetails& details, char* text);

// One row per detail and per scale, "label  value unit", the values in one
// column (a CJK character counted two columns wide), each row ending in a
// newline; the input-error text alone on an input error. Returns the length.
int WriteDetailsRows(const DisplayDetails& details, char* text);
