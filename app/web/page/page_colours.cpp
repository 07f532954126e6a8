#include "app/web/page/page_colours.h"

#include <cmath>
#include <cstdio>

namespace {

double LinearChannel(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(ColourRef colour)
{
    return 0.2126 * LinearChannel(RedOf(colour)) + 0.7152 * LinearChannel(GreenOf(colour)) +
           0.0722 * LinearChannel(BlueOf(colour));
}

double Contrast(ColourRef a, ColourRef b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

ColourRef Scaled(ColourRef colour, int factor)
{
    const auto scale = [factor](int channel) {
        return static_cast<ColourRef>((channel * factor + 127) / 255);
    };
    return scale(RedOf(colour)) | scale(GreenOf(colour)) << 8 | scale(BlueOf(colour)) << 16;
}

// Each channel's two hex digits alike, as in #ff0000, which CSS also reads
// from #f00.
bool IsShortHex(ColourRef colour)
{
    const auto doubled = [](int channel) { return channel >> 4 == (channel & 15); };
    return doubled(RedOf(colour)) && doubled(GreenOf(colour)) && doubled(BlueOf(colour));
}

}  // namespace

std::string CssColour(ColourRef colour, int opacityPercent)
{
    char text[32];
    if (opacityPercent < 100) {
        std::snprintf(text, sizeof text, "rgb(%d %d %d / %d%%)", RedOf(colour), GreenOf(colour),
                      BlueOf(colour), opacityPercent);
    } else if (IsShortHex(colour)) {
        std::snprintf(text, sizeof text, "#%x%x%x", RedOf(colour) & 15, GreenOf(colour) & 15,
                      BlueOf(colour) & 15);
    } else {
        std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                      BlueOf(colour));
    }
    return text;
}

ColourRef ContrastingShade(ColourRef text, ColourRef background)
{
    for (int factor = 255; factor > 0; --factor) {
        const ColourRef shade = Scaled(text, factor);
        if (Contrast(shade, background) >= kMinimumContrast) return shade;
    }
    return 0;
}
